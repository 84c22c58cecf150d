#include "ui/shared/radiogroup.h"

#include "ui/shared/captionfit.h"
#include "ui/shared/look.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QRadioButton>

#include <algorithm>

namespace temparoka {

RadioGroup::RadioGroup(QWidget* parent) : QGroupBox(parent), m_group(new QButtonGroup(this))
{
    connect(m_group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            followSelection();
    });
}

QStringList RadioGroup::items() const
{
    QStringList texts;
    for (const QRadioButton* button : m_buttons)
        texts << button->text();
    return texts;
}

void RadioGroup::setItems(const QStringList& items)
{
    const int selected = itemIndex();
    qDeleteAll(m_buttons);
    m_buttons.clear();
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setFont(font());
        button->setPalette(palette());
        button->setAutoFillBackground(autoFillBackground());
        button->installEventFilter(this);
        m_group->addButton(button, i);
        m_buttons << button;
        button->show();
    }
    setItemIndex(selected < 0 ? 0 : selected);
    placeButtons();
}

QString RadioGroup::itemText(int index) const
{
    return m_buttons.value(index) ? m_buttons[index]->text() : QString();
}

void RadioGroup::setItemText(int index, const QString& text)
{
    if (QRadioButton* button = m_buttons.value(index)) {
        button->setText(text);
        placeButtons();
    }
}

int RadioGroup::count() const
{
    return static_cast<int>(m_buttons.size());
}

int RadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton* button = m_group->button(index))
        button->setChecked(true);
}

void RadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    placeButtons();
}

void RadioGroup::changeEvent(QEvent* event)
{
    QGroupBox::changeEvent(event);
    // The items follow the group's own look.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) {
        for (QRadioButton* button : m_buttons) {
            button->setFont(font());
            button->setPalette(palette());
            button->setAutoFillBackground(autoFillBackground());
        }
        placeButtons();
    }
}

bool RadioGroup::eventFilter(QObject* watched, QEvent* event)
{
    // A button that took the focus by a mouse press without being clicked
    // made itself the tab stop; once the focus leaves, the selected item is
    // the stop again.
    if (event->type() == QEvent::FocusOut) {
        markTabStop();
        return false;
    }
    if (event->type() != QEvent::KeyPress || m_buttons.isEmpty())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    int step = 0;
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        step = 1;
        break;
    default:
        return false;
    }
    const int n = count();
    const int from = std::max(0, static_cast<int>(m_buttons.indexOf(watched)));
    setItemIndex((from + step + n) % n);
    return true;
}

void RadioGroup::markTabStop()
{
    // Only the selected item is a tab stop, so that Tab enters the group on
    // the answer given and leaves it with the next press; the others still
    // take the focus by mouse.
    QAbstractButton* selected = m_group->checkedButton();
    for (QRadioButton* button : m_buttons)
        button->setFocusPolicy(button == selected ? Qt::StrongFocus : Qt::ClickFocus);
}

void RadioGroup::followSelection()
{
    // When the selection moves while an item has the focus, the focus moves
    // along, so that Space never lands on an item other than the answer.
    markTabStop();
    QAbstractButton* selected = m_group->checkedButton();
    const bool focusInside =
        std::any_of(m_buttons.cbegin(), m_buttons.cend(), [](const QRadioButton* b) { return b->hasFocus(); });
    if (focusInside && selected && !selected->hasFocus())
        selected->setFocus(Qt::OtherFocusReason);
}

void RadioGroup::placeButtons()
{
    // Items share the space under the title evenly, one per row; when the
    // rows are lower than a line of the group's font, the items' font gives
    // way, so that no descender is cut.
    if (m_buttons.isEmpty())
        return;
    const int rows = static_cast<int>(m_buttons.size());
    const int top = fontMetrics().height();
    const int rowHeight = (height() - top - 3) / rows;
    const QFont itemFont =
        shrunkToFit(font(), 10, [rowHeight](const QFont& f) { return QFontMetrics(f).height() <= rowHeight; });
    for (int i = 0; i < rows; ++i) {
        m_buttons[i]->setFont(itemFont);
        m_buttons[i]->setGeometry(8, top + i * rowHeight, width() - 12, rowHeight);
        fitCaption(m_buttons[i]);
    }
}

}  // namespace temparoka
