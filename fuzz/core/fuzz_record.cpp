// Record file bytes -> the load. Whatever the bytes, the load either finds no
// record or a record whose bytes serialise back exactly, and the birth data
// the controls take stays inside their ranges.

#include "core/birthdata.h"
#include "core/record.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

using namespace temparoka;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::optional<Record> record = deserialise(std::span(data, size));
    if (!record) {
        if (size >= kRecordFileSize)
            std::abort();
        return 0;
    }
    const auto bytes = serialise(*record);
    if (std::memcmp(bytes.data(), data, kRecordFileSize) != 0)
        std::abort();

    const BirthData restored = restoredBirthData(record->birthday, record->timeOfBirth, record->children);
    if (!(restored.birthday >= kEarliestBirthday && restored.birthday <= kLatestStoredBirthday))
        std::abort();
    if (!(restored.timeOfBirth >= 0.0 && restored.timeOfBirth < 1.0))
        std::abort();
    if (restored.children < kChildrenMinimum || restored.children > kChildrenInitialMaximum)
        std::abort();

    // The draw lookup and the history rules take any stored values.
    DrawHistory draws = record->wuerfe;
    (void)findDraw(draws, record->birthday);
    appendDraw(draws, record->timeOfBirth, record->children);
    PredictionHistory history = record->verlauf;
    (void)recordPrediction(history, record->children, 1, 1, 1);
    return 0;
}
