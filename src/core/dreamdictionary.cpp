#include "core/dreamdictionary.h"

#include "core/predictiontable.h"
#include "core/utf8.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <utility>

namespace temparoka {

namespace {

constexpr std::array<ThemeName, 10> kThemes{{
    {DreamTheme::Hewan, "hewan", "Hewan", "Animals"},
    {DreamTheme::Orang, "orang", "Orang dan keluarga", "People and family"},
    {DreamTheme::Tubuh, "tubuh", "Tubuh", "The body"},
    {DreamTheme::Rumah, "rumah", "Rumah dan barang", "Home and things"},
    {DreamTheme::Alam, "alam", "Air, api dan cuaca", "Water, fire and weather"},
    {DreamTheme::Perjalanan, "perjalanan", "Perjalanan dan tempat", "Travel and places"},
    {DreamTheme::Kesehatan, "kesehatan", "Kesehatan", "Health"},
    {DreamTheme::Kematian, "kematian", "Kematian dan duka", "Death and mourning"},
    {DreamTheme::Peristiwa, "peristiwa", "Perasaan dan peristiwa", "Feelings and events"},
    {DreamTheme::Gaib, "gaib", "Alam gaib", "The unseen"},
}};

// The fields of a record, in the order they stand.
constexpr std::array<std::string_view, 6> kFields{"kata", "tema", "sebutan", "terms", "arti", "meaning"};

[[noreturn]] void refuse(std::size_t line, const std::string& indonesian, const std::string& english)
{
    const std::string at = std::to_string(line);
    throw DictionaryError(inBothLanguages("Kamus mimpi rusak di baris " + at + ": " + indonesian,
                                          "The dream dictionary is damaged at line " + at + ": " + english));
}

// A piece of the text as a message quotes it: control characters (a NUL
// would end the message there) as "?", and no more than 40 bytes, cut
// where a character begins.
std::string quoted(std::string_view text)
{
    constexpr std::size_t kLongest = 40;
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (out.size() >= kLongest && (byte & 0xC0) != 0x80)
            return out + "\u2026";
        out += byte < 0x20 || byte == 0x7F ? '?' : c;
    }
    return out;
}

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// "a; b; c" as its items; an empty item is refused.
std::vector<std::string> listItems(std::string_view text, std::size_t line)
{
    std::vector<std::string> items;
    while (true) {
        const std::size_t end = text.find(';');
        const std::string_view item = trimmed(text.substr(0, end));
        if (item.empty())
            refuse(line, "daftar sebutan memuat butir kosong", "a list of terms holds an empty item");
        items.emplace_back(item);
        if (end == std::string_view::npos)
            return items;
        text.remove_prefix(end + 1);
    }
}

// Lower case of the ASCII letters, for telling headwords apart.
std::string folded(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return out;
}

class RecordReader {
public:
    // Takes the field of the line numbered `line`; true once the record is whole.
    bool take(std::string_view text, std::size_t line)
    {
        const std::size_t colon = text.find(':');
        const std::string_view name = colon == std::string_view::npos ? text : trimmed(text.substr(0, colon));
        if (m_next == 0)
            m_first = line;
        if (colon == std::string_view::npos || name != kFields[m_next])
            refuse(line, "diharapkan \"" + std::string(kFields[m_next]) + ":\"",
                   "\"" + std::string(kFields[m_next]) + ":\" was expected");
        const std::string_view value = trimmed(text.substr(colon + 1));
        if (value.empty())
            refuse(line, "\"" + std::string(name) + ":\" kosong", "\"" + std::string(name) + ":\" is empty");
        fill(value, line);
        return ++m_next == kFields.size();
    }

    bool midway() const { return m_next != 0; }
    std::size_t firstLine() const { return m_first; }
    // The finished record, and a fresh start for the next one.
    DictionaryEntry take()
    {
        m_next = 0;
        return std::exchange(m_entry, {});
    }

private:
    void fill(std::string_view value, std::size_t line)
    {
        switch (m_next) {
        case 0: {
            const std::size_t bar = value.find('|');
            const std::string_view id = trimmed(value.substr(0, bar));
            const std::string_view en = bar == std::string_view::npos ? "" : trimmed(value.substr(bar + 1));
            if (id.empty() || en.empty() || en.find('|') != std::string_view::npos)
                refuse(line, "kata harus \"indonesia | english\"", "a headword must be \"indonesian | english\"");
            m_entry.indonesian = id;
            m_entry.english = en;
            break;
        }
        case 1: {
            const auto known = std::find_if(kThemes.begin(), kThemes.end(),
                                            [&](const ThemeName& theme) { return value == theme.key; });
            if (known == kThemes.end())
                refuse(line, "tema \"" + quoted(value) + "\" tidak dikenal",
                       "the theme \"" + quoted(value) + "\" is unknown");
            m_entry.theme = known->theme;
            break;
        }
        case 2:
            m_entry.sebutan = listItems(value, line);
            break;
        case 3:
            m_entry.terms = listItems(value, line);
            break;
        case 4:
            m_entry.arti = value;
            break;
        default:
            m_entry.meaning = value;
            break;
        }
    }

    DictionaryEntry m_entry;
    std::size_t m_next = 0;
    std::size_t m_first = 0;
};

}  // namespace

const std::array<ThemeName, 10>& dreamThemes()
{
    return kThemes;
}

const ThemeName& themeName(DreamTheme theme)
{
    return kThemes[static_cast<std::size_t>(theme)];
}

std::vector<DictionaryEntry> readDreamDictionary(std::string_view text)
{
    if (!isUtf8(text))
        throw DictionaryError(inBothLanguages("Kamus mimpi rusak: isinya bukan teks UTF-8",
                                              "The dream dictionary is damaged: it is not UTF-8 text"));
    const std::vector<std::string> lines = PredictionTable::splitLines(text);
    std::vector<DictionaryEntry> entries;
    std::set<std::string> indonesian;
    std::set<std::string> english;
    RecordReader record;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t number = i + 1;
        const std::string_view line = trimmed(lines[i]);
        if (line.empty() || (!record.midway() && line.front() == '#')) {
            if (record.midway())
                refuse(number, "catatan terputus", "a record breaks off");
            continue;
        }
        if (!record.take(line, number))
            continue;
        DictionaryEntry entry = record.take();
        if (!indonesian.insert(folded(entry.indonesian)).second || !english.insert(folded(entry.english)).second) {
            const std::string headword = quoted(entry.indonesian + " | " + entry.english);
            refuse(record.firstLine(), "kata \"" + headword + "\" sudah ada",
                   "the headword \"" + headword + "\" is given twice");
        }
        entries.push_back(std::move(entry));
    }
    if (record.midway())
        refuse(lines.size(), "catatan terputus", "a record breaks off");
    if (entries.empty())
        throw DictionaryError(inBothLanguages("Kamus mimpi kosong", "The dream dictionary holds no entries"));
    return entries;
}

}  // namespace temparoka
