#pragma once
// The tooth dialog: was the lost tooth an upper or a lower one? Like the
// river dialog it shows a copy of the death dialog's picture, and its ticks
// stay from one showing to the next.

#include "ui/shared/onfirstuse.h"

#include <memory>

namespace Ui {
class Tzahnform;
}

namespace temparoka {

class TTfrage;

class Tzahnform : public DialogOnFirstUse {
    Q_OBJECT

public:
    explicit Tzahnform(const TTfrage& deathDialog, QWidget* parent = nullptr);
    ~Tzahnform() override;

    Ui::Tzahnform& controls() const { return *ui; }
    bool upperTooth() const;
    bool lowerTooth() const;

protected:
    void build() override;

private:
    ControlsOnFirstUse<Ui::Tzahnform> ui;
    // Whose picture this dialog shows.
    const TTfrage& m_deathDialog;
};

}  // namespace temparoka
