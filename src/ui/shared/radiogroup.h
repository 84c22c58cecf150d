#pragma once
// A radio group: a titled box of radio buttons, one per item, of which one
// is always selected. The reading only ever looks at the item index, so the
// item texts can be swapped for a translation without changing the answer.
// By keyboard the group is one stop: Tab lands on the selected item and the
// next Tab leaves, and the arrow keys move the selection, wrapping at the
// ends, with the focus going along.

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace temparoka {

class RadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList items READ items WRITE setItems)
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex)

public:
    explicit RadioGroup(QWidget* parent = nullptr);

    QStringList items() const;
    void setItems(const QStringList& items);
    QString itemText(int index) const;
    void setItemText(int index, const QString& text);
    int count() const;

    int itemIndex() const;
    void setItemIndex(int index);

    // Lays the items out in the group's present size and font. Done on
    // every resize and change of font; whoever resizes a hidden group calls
    // it to see the result before the group is shown.
    void placeButtons();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void markTabStop();
    void followSelection();

    QButtonGroup* m_group;
    QList<QRadioButton*> m_buttons;
};

}  // namespace temparoka
