#pragma once
// The death dialog: who died in the dream, and is that person still alive?
// It only collects answers: "Selesai" closes it, and the ticks stay in its
// controls for the dream reading to read, from one showing to the next.

#include "ui/shared/onfirstuse.h"

#include <memory>

namespace Ui {
class TTfrage;
}

namespace temparoka {

class TTfrage : public DialogOnFirstUse {
    Q_OBJECT

public:
    explicit TTfrage(QWidget* parent = nullptr);
    ~TTfrage() override;

    Ui::TTfrage& controls() const { return *ui; }
    QImage picture() const;
    // Where the picture comes from, for the dialogs that show it too.
    const QString& pictureSource() const;
    bool known() const;  // kanal
    bool stillAlive() const;  // hidup
    bool dead() const;  // tdkhidup
    bool unsure() const;  // tdktahu

protected:
    void build() override;

private:
    ControlsOnFirstUse<Ui::TTfrage> ui;
};

}  // namespace temparoka
