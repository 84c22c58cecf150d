#include "core/drawkey.h"

namespace temparoka {

double drawKey(double birthday, double timeOfBirth, int children, int week)
{
    long double sum = static_cast<long double>(birthday) + timeOfBirth;
    sum += children;
    sum += week;
    return static_cast<double>(sum);
}

}  // namespace temparoka
