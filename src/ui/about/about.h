#pragma once
// The About box: the product's name, version, web address and contact, and
// one OK button (Enter presses it) that closes the box.

#include <QDialog>

#include <memory>

namespace Ui {
class TAboutBox;
}

namespace temparoka {

class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent = nullptr);
    ~TAboutBox() override;

    Ui::TAboutBox& controls() const { return *ui; }

private:
    std::unique_ptr<Ui::TAboutBox> ui;
};

}  // namespace temparoka
