#pragma once
// The donation window: an appeal to support Temparoka and a button that
// closes the window and asks the desktop to open the product's web page.

#include "ui/shared/onfirstuse.h"

#include <memory>

namespace Ui {
class TSpendeForm;
}

namespace temparoka {

class TSpendeForm : public DialogOnFirstUse {
    Q_OBJECT

public:
    explicit TSpendeForm(QWidget* parent = nullptr);
    ~TSpendeForm() override;

    Ui::TSpendeForm& controls() const { return *ui; }
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void build() override;

private:
    // Brings the appeal's lines close enough that all of them end above the
    // button, at the size the window was laid out for.
    void spaceLinesToFit();

    ControlsOnFirstUse<Ui::TSpendeForm> ui;
};

// The appeal, 17 lines in five paragraphs.
QString appealText();

}  // namespace temparoka
