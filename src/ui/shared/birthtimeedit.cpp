#include "ui/shared/birthtimeedit.h"

#include "core/errors.h"

#include <cmath>

namespace temparoka {

namespace {
constexpr qint64 kMsPerDay = 86'400'000;
constexpr qint64 kMsPerMinute = 60'000;

qint64 millisecondsOf(double dayFraction)
{
    return std::llround(dayFraction * kMsPerDay);
}
}  // namespace

BirthTimeEdit::BirthTimeEdit(QWidget* parent) : TypedEntry<QTimeEdit>(parent)
{
    setDisplayFormat(QStringLiteral("HH:mm"));
    connect(this, &QTimeEdit::timeChanged, this, &BirthTimeEdit::onTimeChanged);
}

void BirthTimeEdit::setValue(double dayFraction)
{
    dropTyping();
    m_value = dayFraction;
    m_settingValue = true;
    setTime(QTime::fromMSecsSinceStartOfDay(static_cast<int>(millisecondsOf(dayFraction) % kMsPerDay)));
    m_settingValue = false;
}

std::string BirthTimeEdit::takeTyped(const std::vector<int>& parts, const QString& typedText)
{
    int hour = 0, minute = 0;
    for (int i = 0; i < static_cast<int>(parts.size()); ++i)
        (sectionAt(i) == HourSection ? hour : minute) = parts[static_cast<std::size_t>(i)];
    if (!QTime::isValid(hour, minute, 0)) {
        const std::string said = typedText.toStdString();
        const std::string kept = textFromDateTime(dateTime()).toStdString();
        return inBothLanguages("Waktu " + said + " tidak ada dalam sehari; waktu tetap " + kept,
                               said + " is not a time of day; the time stays " + kept);
    }
    // The same hours and minutes again are no edit: the hidden seconds of
    // a value set from the record stay as they were.
    if (hour != time().hour() || minute != time().minute())
        setTime(QTime(hour, minute));
    return {};
}

void BirthTimeEdit::onTimeChanged(QTime time)
{
    if (m_settingValue)
        return;
    const qint64 hiddenPart = millisecondsOf(m_value) % kMsPerMinute;
    const qint64 shown = time.hour() * 3'600'000LL + time.minute() * kMsPerMinute;
    m_value = static_cast<double>(shown + hiddenPart) / static_cast<double>(kMsPerDay);
    emit valueEdited(m_value);
}

}  // namespace temparoka
