#include "ui/shared/clock.h"

#include <QDate>
#include <QDateTime>

namespace temparoka {

double SystemClock::now() const
{
    const QDateTime local = QDateTime::currentDateTime();
    const double day = static_cast<double>(dayNumberOfDate(local.date()));
    return day + local.time().msecsSinceStartOfDay() / 86'400'000.0;
}

}  // namespace temparoka
