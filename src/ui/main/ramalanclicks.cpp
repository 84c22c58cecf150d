#include "ui/main/ramalanclicks.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPushButton>

namespace temparoka {

RamalanClicks::RamalanClicks(QPushButton* button, QWidget* window) : QObject(button), m_button(button)
{
    button->installEventFilter(this);
    window->installEventFilter(this);
}

bool RamalanClicks::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        // Seen before the button takes it: a release over the pressed
        // button is the click that starts the deal.
        if (watched == m_button)
            m_byMouse =
                m_button->isDown() && m_button->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint());
        break;
    case QEvent::KeyPress:
    case QEvent::Shortcut:
        m_byMouse = false;
        break;
    default:
        break;
    }
    return false;
}

}  // namespace temparoka
