#include "common/birthtimeedit.h"

#include "common/birthfields.h"

#include <QKeyEvent>

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

BirthTimeEdit::BirthTimeEdit(QWidget* parent) : QTimeEdit(parent)
{
    setDisplayFormat(QStringLiteral("HH:mm"));
    connect(this, &QTimeEdit::timeChanged, this, &BirthTimeEdit::onTimeChanged);
}

void BirthTimeEdit::setValue(double dayFraction)
{
    m_value = dayFraction;
    m_settingValue = true;
    setTime(QTime::fromMSecsSinceStartOfDay(static_cast<int>(millisecondsOf(dayFraction) % kMsPerDay)));
    m_settingValue = false;
}

bool BirthTimeEdit::focusNextPrevChild(bool next)
{
    // One stop for Tab, as the date field: the window's keyboard order goes
    // from here straight to the children field.
    return QWidget::focusNextPrevChild(next);
}

void BirthTimeEdit::keyPressEvent(QKeyEvent* event)
{
    if (stepBetweenSections(*this, *event))
        event->accept();
    else
        QTimeEdit::keyPressEvent(event);
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
