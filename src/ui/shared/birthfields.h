#pragma once
// The birth-data fields that behave unlike the stock controls. The children
// field lets any whole number be typed and brings it to the nearest bound
// when the reader leaves it, instead of refusing keystrokes. The date field
// takes a date as it is typed (see typedentry.h): one stop for Tab, Left
// and Right moving between day, month and year. A date entered there ends
// today, by the program's clock, and the window moves that on as the days
// pass; a date the program gives it (the stored birthday) stays whatever
// the clock says.

#include "ui/shared/typedentry.h"

#include <QSpinBox>

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

class BirthDateEdit : public TypedEntry<QDateEdit> {
    Q_OBJECT

public:
    explicit BirthDateEdit(QWidget* parent = nullptr);

    // The latest date the reader may type or pick. The field's own maximum
    // is the later of this and the date it holds, so that moving this back
    // (a clock set back) never changes the date.
    void setLatestEntry(QDate latest);
    QDate latestEntry() const;
    // Sets a date the program kept, however late: the range widens to hold
    // it until the reader enters another.
    void restoreDate(QDate date);

protected:
    std::string takeTyped(const std::vector<int>& parts, const QString& typedText) override;
    void stepBy(int steps) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void narrowToLatestEntry();
    std::string textOf(QDate date) const;

    QDate m_latest;
};

}  // namespace temparoka
