#include "core/reading.h"

#include "core/calendar.h"

#include <cstdio>

namespace temparoka {

namespace {

struct Day {
    int year;
    unsigned month;
    unsigned day;
};

Day dayOf(double dateValue)
{
    const std::chrono::year_month_day date = dateFromDayNumber(dayNumberOf(dateValue));
    return {static_cast<int>(date.year()), static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day())};
}

// "Minggu 50" would read as "Sunday 50": the week is counted, "Minggu
// ke-50".
// "ke-50": a week counted as Indonesian counts it, after "Minggu" or
// "minggu".
std::string weekOrdinal(int week)
{
    return "ke-" + std::to_string(week);
}

std::string countedWeek(int week)
{
    return "Minggu " + weekOrdinal(week);
}

}  // namespace

Reading Reading::weekly(double day, ReadingCard card)
{
    return {ReadingKind::Weekly, day, isoWeek(day), isoWeekYear(day), std::move(card), {}, {}};
}

Reading Reading::dream(double day)
{
    return {ReadingKind::Dream, day, isoWeek(day), isoWeekYear(day), {}, {}, {}};
}

Reading Reading::weton(double day)
{
    return {ReadingKind::Weton, day, isoWeek(day), isoWeekYear(day), {}, {}, {}};
}

Reading Reading::dictionary(double day)
{
    return {ReadingKind::Dictionary, day, isoWeek(day), isoWeekYear(day), {}, {}, {}};
}

ReadingTitle readingTitle(const Reading& reading)
{
    if (reading.kind != ReadingKind::Weekly && reading.kind != ReadingKind::Earlier) {
        const DayInWords day = dayInWords(dayNumberOf(reading.day));
        if (reading.kind == ReadingKind::Weton)
            return {"Weton Temparoka \u2014 " + day.indonesian, "Temparoka's weton reading \u2014 " + day.english};
        if (reading.kind == ReadingKind::Dictionary)
            return {"Tafsir Mimpi dari Kamus \u2014 " + day.indonesian, "Dream dictionary \u2014 " + day.english};
        return {"Tafsir Mimpi Temparoka \u2014 " + day.indonesian, "Temparoka's dream reading \u2014 " + day.english};
    }
    const std::string year = ", " + std::to_string(reading.weekYear);
    return {"Ramalan Temparoka \u2014 " + countedWeek(reading.week) + year,
            "Temparoka's reading \u2014 week " + std::to_string(reading.week) + year};
}

std::string readingFileName(const Reading& reading)
{
    char stamp[32];
    if (reading.kind != ReadingKind::Weekly && reading.kind != ReadingKind::Earlier) {
        const Day d = dayOf(reading.day);
        std::snprintf(stamp, sizeof stamp, "%04d-%02u-%02u", d.year, d.month, d.day);
        const char* name = reading.kind == ReadingKind::Weton        ? "Weton Temparoka "
                           : reading.kind == ReadingKind::Dictionary ? "Kamus Mimpi Temparoka "
                                                                     : "Tafsir Mimpi Temparoka ";
        return name + std::string(stamp);
    }
    return "Ramalan Temparoka " + std::to_string(reading.weekYear) + " minggu " + weekOrdinal(reading.week);
}

std::string readingPlainText(const Reading& reading)
{
    const ReadingTitle title = readingTitle(reading);
    std::string text = title.indonesian + '\n' + title.english + '\n';
    if (reading.card.number != 0)
        text += "Kartu Anda: " + reading.card.indonesian + " / Your card: " + reading.card.english + '\n';
    text += '\n';
    for (const ReadingLine& line : reading.lines)
        text += line.text + '\n';
    return text;
}

std::string earlierHeading(const EarlierReading& entry)
{
    return countedWeek(entry.week) + (entry.lastYear ? " (tahun lalu)" : "");
}

std::string earlierCaption(const EarlierReading& entry)
{
    return earlierHeading(entry) + " \u2014 " + entry.firstLine;
}

ReadingTitle earlierDescription(const EarlierReading& entry)
{
    const std::string year = ", " + std::to_string(entry.reading.weekYear);
    return {countedWeek(entry.week) + (entry.lastYear ? ", tahun lalu" : "") + year,
            "Week " + std::to_string(entry.week) + (entry.lastYear ? ", last year" : "") + year};
}

}  // namespace temparoka
