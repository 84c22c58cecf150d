#pragma once
// The About box: the product's name, version, web address and contact, and
// one OK button (Enter presses it) that closes the box.

#include "ui/shared/onfirstuse.h"

#include <memory>

namespace Ui {
class TAboutBox;
}

namespace temparoka {

class TAboutBox : public DialogOnFirstUse {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override;

    Ui::TAboutBox& controls() const { return *ui; }

protected:
    void build() override;

private:
    ControlsOnFirstUse<Ui::TAboutBox> ui;
};

}  // namespace temparoka
