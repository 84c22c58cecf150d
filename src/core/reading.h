#pragma once
// A reading as a value: what it is (the week's horoscope, a dream, a weton,
// an earlier week from the history, or entries of the dream dictionary), when it was read, the card taken,
// and its lines with the language and weight each was written in. Each
// reading is computed as one by the rules; the windows only show it, and
// saving, printing, copying and the history only encode it, so they all
// show the same thing. Pure data and text rules, no Qt.

#include "core/writer.h"

#include <string>
#include <vector>

namespace temparoka {

enum class ReadingKind { Weekly, Dream, Earlier, Weton, Dictionary };

// The card a weekly reading was drawn with: its face picture (a resource
// name) and what it is called in both languages.
struct ReadingCard {
    int number = 0;
    std::string picture;
    std::string indonesian;
    std::string english;
    bool operator==(const ReadingCard&) const = default;
};

struct Reading {
    ReadingKind kind = ReadingKind::Weekly;
    // The day it was read, as a date value; for an earlier week only its
    // ISO week and week-year are known.
    double day = 0.0;
    int week = 0;
    int weekYear = 0;
    ReadingCard card;  // number 0: no card
    std::vector<ReadingLine> lines;
    // The pen its last line left in force, which the next reading starts with.
    Pen pen;

    // The week's horoscope, a dream or a weton, read on `day`.
    static Reading weekly(double day, ReadingCard card = {});
    static Reading dream(double day);
    static Reading weton(double day);
    static Reading dictionary(double day);
};

// The heading of a kept reading, Indonesian and English: "Ramalan
// Temparoka — Minggu ke-50, 2026", "Tafsir Mimpi Temparoka — 8 Desember
// 2026", "Weton Temparoka — 8 Desember 2026" or "Tafsir Mimpi dari Kamus —
// 8 Desember 2026".
struct ReadingTitle {
    std::string indonesian;
    std::string english;
};
ReadingTitle readingTitle(const Reading& reading);

// A file name without its extension: "Ramalan Temparoka 2026 minggu ke-50",
// "Tafsir Mimpi Temparoka 2026-12-08", "Weton Temparoka 2026-12-08" or
// "Kamus Mimpi Temparoka 2026-12-08".
std::string readingFileName(const Reading& reading);

// The reading as plain text: the title in both languages, the card, a
// blank line and the reading's lines. Lines end in "\n".
std::string readingPlainText(const Reading& reading);

// An entry of the prediction history, ready to be listed and kept.
struct EarlierReading {
    int week = 0;
    bool lastYear = false;  // its week number lies after this week's
    std::string firstLine;  // the first line of its Indonesian text
    Reading reading;
};

// How the history names an entry: its week, "Minggu ke-50" or "Minggu
// ke-51 (tahun lalu)"; with its first line, "Minggu ke-50 — ..." in
// Indonesian; and, for screen readers and the tooltip, "Minggu ke-50, 2026"
// and "Week 50, 2026", with "tahun lalu" and "last year" where it applies.
std::string earlierHeading(const EarlierReading& entry);
std::string earlierCaption(const EarlierReading& entry);
ReadingTitle earlierDescription(const EarlierReading& entry);

}  // namespace temparoka
