#include "ui/shared/birthfields.h"

#include "core/errors.h"

#include <QCalendarWidget>
#include <QRegularExpression>
#include <QSignalBlocker>

#include <algorithm>

namespace temparoka {

namespace {
// A sign alone or digits alone are still on the way to a number.
const QRegularExpression& wholeNumberSoFar()
{
    static const QRegularExpression pattern(QStringLiteral("^[+-]?[0-9]*$"));
    return pattern;
}
}  // namespace

ChildrenSpinBox::ChildrenSpinBox(QWidget* parent) : QSpinBox(parent)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

int ChildrenSpinBox::typedValue() const
{
    return boundedValueOf(cleanText());
}

int ChildrenSpinBox::boundedValueOf(const QString& text) const
{
    const QString trimmed = text.trimmed();
    if (!wholeNumberSoFar().match(trimmed).hasMatch())
        return minimum();
    const bool negative = trimmed.startsWith(QLatin1Char('-'));
    QString digits = trimmed.mid(negative || trimmed.startsWith(QLatin1Char('+')) ? 1 : 0);
    digits.remove(QRegularExpression(QStringLiteral("^0+(?=.)")));
    if (digits.isEmpty())
        return minimum();
    // However many digits were typed, the number lies beyond a bound; only
    // which one matters.
    if (digits.size() > 9)
        return negative ? minimum() : maximum();
    const int magnitude = digits.toInt();
    return std::clamp(negative ? -magnitude : magnitude, minimum(), maximum());
}

QValidator::State ChildrenSpinBox::validate(QString& input, int& /*pos*/) const
{
    if (!wholeNumberSoFar().match(input.trimmed()).hasMatch())
        return QValidator::Invalid;
    // Out of range or not written plainly ("07", "+3", an empty field) is
    // allowed while typing; leaving the field puts it right.
    bool ok = false;
    const int number = input.toInt(&ok);
    if (ok && number >= minimum() && number <= maximum() && input == textFromValue(number))
        return QValidator::Acceptable;
    return QValidator::Intermediate;
}

void ChildrenSpinBox::fixup(QString& input) const
{
    if (wholeNumberSoFar().match(input.trimmed()).hasMatch())
        input = textFromValue(boundedValueOf(input));
}

BirthDateEdit::BirthDateEdit(QWidget* parent) : TypedEntry<QDateEdit>(parent)
{
    connect(this, &QDateEdit::dateChanged, this, &BirthDateEdit::narrowToLatestEntry);
}

void BirthDateEdit::setLatestEntry(QDate latest)
{
    m_latest = latest;
    setMaximumDate(std::max(latest, date()));
}

QDate BirthDateEdit::latestEntry() const
{
    return m_latest.isValid() ? m_latest : maximumDate();
}

void BirthDateEdit::restoreDate(QDate date)
{
    dropTyping();
    setMaximumDate(std::max(latestEntry(), date));
    setDate(date);
}

void BirthDateEdit::narrowToLatestEntry()
{
    // A later date held for the program is gone once the reader entered an
    // earlier one; the range ends at the latest entry again.
    if (m_latest.isValid() && date() <= m_latest && maximumDate() > m_latest)
        setMaximumDate(m_latest);
}

std::string BirthDateEdit::textOf(QDate date) const
{
    return textFromDateTime(date.startOfDay()).toStdString();
}

std::string BirthDateEdit::takeTyped(const std::vector<int>& parts, const QString& typedText)
{
    int day = 0, month = 0, year = 0;
    for (int i = 0; i < static_cast<int>(parts.size()); ++i) {
        const int number = parts[static_cast<std::size_t>(i)];
        switch (sectionAt(i)) {
        case DaySection:
            day = number;
            break;
        case MonthSection:
            month = number;
            break;
        case YearSection:
            year = number;
            break;
        default:
            break;
        }
    }
    const QDate typed(year, month, day);  // invalid unless the calendar has it
    const std::string said = typedText.toStdString();
    const std::string kept = textOf(date());
    if (!typed.isValid())
        return inBothLanguages("Tanggal " + said + " tidak ada di kalender; tanggal tetap " + kept,
                               "There is no " + said + " in the calendar; the date stays " + kept);
    if (typed == date())
        return {};
    if (typed < minimumDate() || typed > latestEntry()) {
        const std::string earliest = textOf(minimumDate());
        const std::string latest = textOf(latestEntry());
        return inBothLanguages(
            "Tanggal " + said + " di luar batas " + earliest + " sampai " + latest + "; tanggal tetap " + kept,
            "The date " + said + " lies outside " + earliest + " to " + latest + "; the date stays " + kept);
    }
    setDate(typed);
    return {};
}

void BirthDateEdit::stepBy(int steps)
{
    // Stepping stays inside the range, as Qt's stepping does; only while the
    // field holds a date after the latest entry could a step land between
    // the two, and such a step is not taken.
    if (!finishTyping(true))
        return;
    if (maximumDate() <= latestEntry()) {
        QDateEdit::stepBy(steps);
        return;
    }
    const QDate before = date();
    {
        const QSignalBlocker quiet(this);
        QDateEdit::stepBy(steps);
        if (date() > latestEntry())
            setDate(before);
    }
    if (date() != before)
        emit dateChanged(date());
}

void BirthDateEdit::mousePressEvent(QMouseEvent* event)
{
    TypedEntry<QDateEdit>::mousePressEvent(event);
    // The calendar takes the field's range when it opens: while the field
    // holds a later date, the days after the latest entry cannot be picked.
    if (QCalendarWidget* calendar = calendarWidget(); calendar && maximumDate() > latestEntry()) {
        const QSignalBlocker quiet(calendar);
        calendar->setMaximumDate(latestEntry());
    }
}

}  // namespace temparoka
