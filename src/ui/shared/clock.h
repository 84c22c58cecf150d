#pragma once
// Where "now" comes from. The program asks the system clock; tests hand the
// windows a clock of their own.

namespace temparoka {

class Clock {
public:
    virtual ~Clock() = default;
    // Local date and time as a date value: days since 30 December 1899,
    // the fraction being the time of day.
    virtual double now() const = 0;
};

class SystemClock : public Clock {
public:
    double now() const override;
};

}  // namespace temparoka

#include <QDate>

namespace temparoka {

// QDate and day numbers (days since 30 December 1899) convert through the Julian day.
inline constexpr qint64 kJulianDayOfDayZero = 2415019;
inline QDate dateOfDayNumber(qint64 day)
{
    return QDate::fromJulianDay(day + kJulianDayOfDayZero);
}
inline qint64 dayNumberOfDate(QDate date)
{
    return date.toJulianDay() - kJulianDayOfDayZero;
}

}  // namespace temparoka
