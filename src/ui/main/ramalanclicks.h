#pragma once
// Whether "&Ramalan" was pressed by a click of the mouse: the one way to
// start a deal whose reader has no use for the golden frame at once. Keys
// (Enter, Space, Alt+R) leave it unset, and so does a screen reader's
// press, which sends no input at all: their reader needs the frame to see
// where the focus is.

#include <QObject>

#include <utility>

class QPushButton;
class QWidget;

namespace temparoka {

class RamalanClicks : public QObject {
public:
    // Watches the button, and the window for Enter typed into a field.
    RamalanClicks(QPushButton* button, QWidget* window);
    // Asked once for each press: the next one is told apart anew.
    bool take() { return std::exchange(m_byMouse, false); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* m_button;
    bool m_byMouse = false;
};

}  // namespace temparoka
