#include "ui/shared/keys.h"

#include <QKeyEvent>
#include <QPushButton>

namespace temparoka {

namespace {

class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) || !button)
            return false;
        button->click();
        return true;
    }
};

}  // namespace

namespace {

class FocusFirst : public QObject {
public:
    FocusFirst(QWidget* window, QWidget* first) : QObject(window), m_first(first) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show && !event->spontaneous())
            m_first->setFocus(Qt::OtherFocusReason);
        return false;
    }

private:
    QWidget* m_first;
};

}  // namespace

void focusFirstOnShow(QWidget* window, QWidget* first)
{
    window->installEventFilter(new FocusFirst(window, first));
}

void enterPressesFocusedButton(QWidget* window)
{
    auto* filter = new EnterPressesButton(window);
    for (QPushButton* button : window->findChildren<QPushButton*>())
        button->installEventFilter(filter);
}

}  // namespace temparoka
