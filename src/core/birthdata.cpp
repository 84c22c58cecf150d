#include "core/birthdata.h"

#include "core/record.h"

#include <algorithm>
#include <cmath>

namespace temparoka {

int childrenLimit(double today, double birthday)
{
    const double years = (today - birthday) / 365.0 - 13.0;
    // Clamp in floating point first: a far-off date must not overflow the cast.
    const double limited = std::clamp(std::trunc(years), 1.0, 20.0);
    return static_cast<int>(limited);
}

double noonForMidnight(double timeOfBirth)
{
    return timeOfBirth == 0.0 ? 0.5 : timeOfBirth;
}

BirthData restoredBirthData(double storedBirthday, double storedTime, std::int32_t storedChildren)
{
    BirthData data{kInitialBirthday, kInitialTimeOfBirth, 0};
    if (std::isfinite(storedBirthday)) {
        const double day = std::floor(storedBirthday);
        if (day >= kEarliestBirthday && day <= static_cast<double>(kLatestStoredBirthday))
            data.birthday = day;
    }
    if (std::isfinite(storedTime) && storedTime >= 0.0 && storedTime < 1.0)
        data.timeOfBirth = storedTime;
    data.children = std::clamp<std::int32_t>(storedChildren, kChildrenMinimum, kChildrenInitialMaximum);
    return data;
}

}  // namespace temparoka
