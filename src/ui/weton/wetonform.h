#pragma once
// The weton window: the reader's birth as the main window holds it, with its
// weton and neptu; an optional partner's birthday and time of birth, whose
// weton and the match of both are shown as they are typed; today's weton;
// and "&Baca weton", which plays the sound and writes the reading into the
// output window. The partner's birth stays while the program runs; nothing
// of it is saved.

#include "core/birthdata.h"
#include "core/wetonreading.h"
#include "ui/shared/readingservices.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class Twetonform;
}

namespace temparoka {

class Tausform;

class Twetonform : public QDialog {
    Q_OBJECT

public:
    Twetonform(ReadingServices services, Tausform& outputWindow, QWidget* parent = nullptr);
    ~Twetonform() override;

    Ui::Twetonform& controls() const { return *ui; }

    // The reader's birth data as the main window holds it when it opens
    // this window.
    void setBirthData(const BirthData& birth);
    // The births as the window reads them now.
    Birth reader() const;
    std::optional<Birth> partner() const;

    void bacaClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void applyLook();
    void partnerTicked();
    void refresh();

    std::unique_ptr<Ui::Twetonform> ui;
    ReadingServices m_services;
    BirthData m_birth;
    Tausform& m_output;
    bool m_partnerDateSet = false;
};

}  // namespace temparoka
