#pragma once
// The tooth dialog: was the lost tooth an upper or a lower one? Like the
// river dialog it shows a copy of the death dialog's picture, and its ticks
// stay from one showing to the next.

#include <QDialog>

#include <memory>

namespace Ui {
class Tzahnform;
}

namespace temparoka {

class TTfrage;

class Tzahnform : public QDialog {
    Q_OBJECT

public:
    explicit Tzahnform(const TTfrage& deathDialog, QWidget* parent = nullptr);
    ~Tzahnform() override;

    Ui::Tzahnform& controls() const { return *ui; }
    bool upperTooth() const;
    bool lowerTooth() const;

private:
    std::unique_ptr<Ui::Tzahnform> ui;
};

}  // namespace temparoka
