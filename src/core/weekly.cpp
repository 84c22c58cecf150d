#include "core/weekly.h"

#include "core/calendar.h"
#include "core/random.h"
#include "core/writer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace temparoka {

namespace {
constexpr double kSynodicMonth = 29.530588;

// Each card's face, in card order: the picture and what the card is called,
// in Indonesian and in English.
const std::array<ReadingCard, 5> kCardFaces = {{
    {1, ":/pictures/card_ks.jpg", "Raja Sekop", "King of spades"},
    {2, ":/pictures/card_3d.jpg", "Tiga Wajik", "Three of diamonds"},
    {3, ":/pictures/card_qc.jpg", "Ratu Keriting", "Queen of clubs"},
    {4, ":/pictures/card_as.jpg", "As Sekop", "Ace of spades"},
    {5, ":/pictures/card_jh.jpg", "Jack Hati", "Jack of hearts"},
}};
}  // namespace

int zyklus(long long a)
{
    const long long m = a % 9 - 4;  // the remainder keeps the sign of a
    if (m < 0)
        return static_cast<int>(m + 5);
    if (m == 0)
        return 5;
    return static_cast<int>(5 - m);
}

int lifeStageBand(long long value)
{
    if (value <= 10)
        return 1;
    if (value <= 18)
        return 2;
    if (value <= 26)
        return 3;
    if (value <= 37)
        return 4;
    return 5;
}

long long lunarMonths(const WeeklyRequest& request)
{
    const double day = std::floor(request.today);
    const double elapsed = (day - request.birthday) + ((request.today - day) - request.timeOfBirth);
    return static_cast<long long>(std::trunc(elapsed / kSynodicMonth));
}

TextKey auswahl(const WeeklyRequest& request, int versuch, const PredictionTable& table, Random& random)
{
    const long long week = isoWeek(request.today);
    const long long year = calendarYear(request.today);
    const long long s = week + 52 * year;
    const long long birthDay = static_cast<long long>(std::trunc(request.birthday));
    const int cycle = zyklus(s - birthDay / 7);
    const long long seventh = static_cast<long long>(std::trunc(request.timeOfBirth * 7));

    random.setSeed(static_cast<std::uint32_t>(seventh + s + request.card + versuch));

    TextKey key;
    key.quality = static_cast<int>(std::trunc(cycle - random.real() + 0.5));
    if (key.quality == 0)
        key.quality = 1;

    const long long lifeStage = (year - calendarYear(request.birthday)) + 8LL * request.children;
    const int shift = static_cast<int>(std::trunc(random.real() * 3.2 - 1.6));
    key.band = std::clamp(lifeStageBand(lifeStage) + shift, 1, 5);

    const int variants = table.variantCount(key.band, key.quality);
    const double r3 = random.real();
    key.variant = variants > 0 ? static_cast<int>(std::trunc(r3 * variants + 1)) : 1;
    return key;
}

TextKey chooseKey(const WeeklyRequest& request, const PredictionHistory& history, const PredictionTable& table,
                  Random& random)
{
    const int thisWeek = isoWeek(request.today);
    const auto refused = [&](const TextKey& key) {
        return std::any_of(history.begin(), history.end(), [&](const PredictionRecord& shown) {
            return shown.band == key.band && shown.quality == key.quality && shown.variant == key.variant &&
                   shown.week != thisWeek;
        });
    };
    TextKey key;
    for (int versuch = 0; versuch < kMaxAttempts; ++versuch) {
        key = auswahl(request, versuch, table, random);
        if (!refused(key))
            break;
    }
    return key;
}

ReadingCard cardFace(int card)
{
    if (card < 1 || card > static_cast<int>(kCardFaces.size()))
        return {};
    return kCardFaces[static_cast<std::size_t>(card - 1)];
}

Reading weeklyReading(const WeeklyRequest& request, const TextBlock& prediction, Pen pen)
{
    Reading reading = Reading::weekly(request.today, cardFace(request.card));
    ReadingWriter writer(pen);
    weeklyOpening(writer, lunarMonths(request));
    blockausgabe(writer, prediction);
    reading.pen = writer.pen();
    reading.lines = writer.takeLines();
    return reading;
}

}  // namespace temparoka
