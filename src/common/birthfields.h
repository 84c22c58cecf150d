#pragma once
// The birth-data fields that behave unlike the stock controls. The children
// field lets any whole number be typed and brings it to the nearest bound
// when the reader leaves it, instead of refusing keystrokes; the date field
// (and the time field, through stepBetweenSections) is one stop for Tab,
// with Left and Right moving between day, month and year. The date field's
// range ends today: the window moves it on as the days pass.

#include <QDateEdit>
#include <QSpinBox>

class QKeyEvent;

namespace temparoka {

class ChildrenSpinBox : public QSpinBox {
    Q_OBJECT

public:
    explicit ChildrenSpinBox(QWidget* parent = nullptr);

    // The number the text spells now, brought into the range; a text that is
    // no whole number counts as the minimum. Typing leaves the value behind
    // the text until the field is left, so this is what the reader sees.
    int typedValue() const;

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

private:
    int boundedValueOf(const QString& text) const;
};

class BirthDateEdit : public QDateEdit {
    Q_OBJECT

public:
    explicit BirthDateEdit(QWidget* parent = nullptr);

protected:
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// Left and Right select the part before or after the current one, staying
// put at either end. False for any other key, which the field handles itself.
bool stepBetweenSections(QDateTimeEdit& edit, const QKeyEvent& event);

}  // namespace temparoka
