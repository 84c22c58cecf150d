#include "common/radiogroup.h"

#include "common/look.h"

#include <QButtonGroup>
#include <QEvent>
#include <QRadioButton>

namespace temparoka {

RadioGroup::RadioGroup(QWidget* parent) : QGroupBox(parent), m_group(new QButtonGroup(this)) {}

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

void RadioGroup::placeButtons()
{
    // Items share the space under the title evenly, one per row; when the
    // rows are too low for the group's font, the items' font gives way.
    if (m_buttons.isEmpty())
        return;
    const int rows = static_cast<int>(m_buttons.size());
    const int top = fontMetrics().height();
    const int rowHeight = (height() - top - 3) / rows;
    QFont itemFont = font();
    while (itemFont.pixelSize() > 10 && QFontMetrics(itemFont).height() > rowHeight + 1)
        itemFont.setPixelSize(itemFont.pixelSize() - 1);
    for (int i = 0; i < rows; ++i) {
        m_buttons[i]->setFont(itemFont);
        m_buttons[i]->setGeometry(8, top + i * rowHeight, width() - 12, rowHeight);
        fitCaption(m_buttons[i]);
    }
}

}  // namespace temparoka
