#pragma once
// The time-of-birth picker. It shows and edits hours and minutes only, but
// its value is a full day fraction: the seconds it does not show survive
// every edit (12:00:01 edited to 07:30 is 07:30:01), and a value set from
// the record file is kept bit for bit until the user edits it, because the
// weekly reading keys its stored draws on the exact value. A time is taken
// as it is typed (see typedentry.h); Tab leaves the field at once, Left and
// Right move between hours and minutes.

#include "ui/shared/typedentry.h"

namespace temparoka {

class BirthTimeEdit : public TypedEntry<QTimeEdit> {
    Q_OBJECT

public:
    explicit BirthTimeEdit(QWidget* parent = nullptr);

    double value() const { return m_value; }
    // Sets the value without emitting valueEdited.
    void setValue(double dayFraction);

signals:
    // The user changed the hours or minutes.
    void valueEdited(double dayFraction);

protected:
    std::string takeTyped(const std::vector<int>& parts, const QString& typedText) override;

private:
    void onTimeChanged(QTime time);

    double m_value = 0.0;
    bool m_settingValue = false;
};

}  // namespace temparoka
