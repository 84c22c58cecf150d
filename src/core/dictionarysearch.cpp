#include "core/dictionarysearch.h"

#include "core/utf8.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <optional>
#include <tuple>

namespace temparoka {

namespace {

// The words people wrap a dream picture in when they look it up: "arti
// mimpi digigit ular", "dream of being bitten by a snake".
constexpr std::string_view kFillers[] = {
    "arti",     "mimpi",  "bermimpi", "tafsir",  "makna", "yang",  "dan",   "di",  "ke",   "dari",  "dengan",
    "oleh",     "sedang", "seekor",   "sebuah",  "itu",   "ini",   "saya",  "aku", "kena", "dream", "dreams",
    "dreaming", "dreamt", "dreamed",  "meaning", "of",    "about", "a",     "an",  "the",  "in",    "on",
    "at",       "to",     "by",       "my",      "i",     "was",   "being", "is",  "and",  "with",
};

bool isFiller(const std::string& word)
{
    return std::find(std::begin(kFillers), std::end(kFillers), word) != std::end(kFillers);
}

// The letters of Latin-1's accented range folded to their base letter,
// indexed by the code point minus 0xC0 ('\0' for a sign that is no letter).
constexpr char kAccentFold[] = "aaaaaaaceeeeiiiidnooooo\0ouuuuyts"
                               "aaaaaaaceeeeiiiidnooooo\0ouuuuyty";
static_assert(sizeof kAccentFold == 0x100 - 0xC0 + 1);

// Appends the search form of one character: ASCII letters and digits in
// lower case, accented Latin letters without their accent, '-' kept to
// join a doubled word; anything else is a gap between words (' ').
void appendFolded(std::string& out, std::uint32_t code, std::string_view raw)
{
    if ((code >= 'a' && code <= 'z') || (code >= '0' && code <= '9') || code == '-')
        out += static_cast<char>(code);
    else if (code >= 'A' && code <= 'Z')
        out += static_cast<char>(code - 'A' + 'a');
    else if (code == '\'' || code == 0x2019)  // "Jum'at": one word
        return;
    else if (code >= 0xC0 && code <= 0xFF && kAccentFold[code - 0xC0] != '\0')
        out += kAccentFold[code - 0xC0];
    else if (code >= 0x80 && !(code >= 0x2000 && code <= 0x206F) && code != 0xA0)
        out += raw;  // a letter of another script stays as it is
    else
        out += ' ';
}

// The text with every character in its search form.
std::string foldedText(std::string_view text)
{
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        // A byte that starts no character is a gap of its own.
        const std::optional<Utf8Character> character = utf8CharacterAt(text, at);
        if (!character) {
            out += ' ';
            ++at;
            continue;
        }
        appendFolded(out, character->code, text.substr(at, character->length));
        at += character->length;
    }
    return out;
}

bool endsWith(const std::string& word, std::string_view end)
{
    return word.size() >= end.size() && word.compare(word.size() - end.size(), end.size(), end) == 0;
}

bool startsWith(const std::string& word, std::string_view start)
{
    return word.compare(0, start.size(), start) == 0;
}

bool isVowel(char c)
{
    return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u';
}

// A stem keeps at least three letters: shorter pieces match too much.
void addStem(std::vector<std::string>& stems, std::string stem)
{
    if (stem.size() >= 3 && std::find(stems.begin(), stems.end(), stem) == stems.end())
        stems.push_back(std::move(stem));
}

// The word without an Indonesian prefix, with the sound a nasal prefix
// swallowed put back ("menulis": "tulis", "mengejar": "kejar").
void addUnprefixed(std::vector<std::string>& stems, const std::string& word)
{
    for (std::string_view prefix : {"di", "ter", "ber", "ke", "se", "per"}) {
        if (!startsWith(word, prefix))
            continue;
        const std::string rest = word.substr(prefix.size());
        addStem(stems, rest);
        if (prefix == "ber" || prefix == "ter")  // "berenang": "renang"
            addStem(stems, "r" + rest);
    }
    for (std::string_view prefix : {"me", "pe"}) {
        if (!startsWith(word, prefix))
            continue;
        const std::string rest = word.substr(2);
        addStem(stems, rest);
        if (startsWith(rest, "ng")) {
            addStem(stems, rest.substr(2));
            addStem(stems, "k" + rest.substr(2));
        } else if (startsWith(rest, "ny")) {
            addStem(stems, "s" + rest.substr(2));
        } else if (startsWith(rest, "n") || startsWith(rest, "m")) {
            addStem(stems, rest.substr(1));
            if (rest.size() > 1 && isVowel(rest[1]))
                addStem(stems, (rest[0] == 'n' ? "t" : "p") + rest.substr(1));
        }
    }
}

// The word without an English ending: "dreams", "chased", "running".
void addUninflected(std::vector<std::string>& stems, const std::string& word)
{
    const auto withoutEnd = [&](std::size_t length) { return word.substr(0, word.size() - length); };
    if (endsWith(word, "ies"))
        addStem(stems, withoutEnd(3) + "y");
    if (endsWith(word, "es"))
        addStem(stems, withoutEnd(2));
    if (endsWith(word, "s") && !endsWith(word, "ss"))
        addStem(stems, withoutEnd(1));
    for (std::string_view ending : {"ing", "ed"}) {
        if (!endsWith(word, ending))
            continue;
        std::string stem = withoutEnd(ending.size());
        addStem(stems, stem + "e");
        if (stem.size() >= 2 && stem.back() == stem[stem.size() - 2])  // "running"
            addStem(stems, stem.substr(0, stem.size() - 1));
        addStem(stems, std::move(stem));
    }
}

// Whether two words differ by at most one letter changed, added or taken away.
bool oneLetterApart(const std::string& a, const std::string& b)
{
    const std::string& longer = a.size() >= b.size() ? a : b;
    const std::string& shorter = a.size() >= b.size() ? b : a;
    if (longer.size() - shorter.size() > 1)
        return false;
    std::size_t i = 0;
    while (i < shorter.size() && shorter[i] == longer[i])
        ++i;
    if (longer.size() == shorter.size())
        return longer.compare(i + 1, std::string::npos, shorter, i + 1) == 0 || i == shorter.size();
    return longer.compare(i + 1, std::string::npos, shorter, i) == 0;
}

// A word of five letters or more is forgiven one letter wrong or missing.
constexpr std::size_t kForgivingLength = 5;

}  // namespace

std::vector<std::string> searchWords(std::string_view text)
{
    const std::string folded = foldedText(text);
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < folded.size()) {
        std::size_t end = folded.find(' ', start);
        if (end == std::string::npos)
            end = folded.size();
        // A hyphen joins the halves of one word: "lari-lari" and
        // "berlari-lari" are "lari" once, "kupu-kupu" is "kupu";
        // "bolak-balik" keeps both halves.
        std::string previous;
        std::size_t part = start;
        while (part < end) {
            std::size_t partEnd = folded.find('-', part);
            if (partEnd == std::string::npos || partEnd > end)
                partEnd = end;
            std::string word = folded.substr(part, partEnd - part);
            const bool doubled = !previous.empty() && (word == previous || [&] {
                const std::vector<std::string> stems = wordStems(previous);
                return std::find(stems.begin(), stems.end(), word) != stems.end();
            }());
            if (!word.empty() && !doubled) {
                words.push_back(word);
                previous = std::move(word);
            }
            part = partEnd + 1;
        }
        start = end + 1;
    }
    return words;
}

std::vector<std::string> wordStems(const std::string& word)
{
    std::vector<std::string> stems{word};
    std::vector<std::string> bare{word};
    for (std::string_view suffix : {"nya", "lah", "kah", "kan", "an", "i", "ku", "mu"})
        for (std::size_t k = 0, n = bare.size(); k < n; ++k)
            if (endsWith(bare[k], suffix) && bare[k].size() >= suffix.size() + 3)
                bare.push_back(bare[k].substr(0, bare[k].size() - suffix.size()));
    for (const std::string& form : bare) {
        addStem(stems, form);
        addUnprefixed(stems, form);
    }
    // Two prefixes in a row: "diperbaiki", "berkejar-kejaran".
    // A copy: adding to the list may move the word it was read from.
    for (std::size_t k = 1, n = stems.size(); k < n; ++k) {
        const std::string once = stems[k];
        addUnprefixed(stems, once);
    }
    addUninflected(stems, word);
    return stems;
}

DictionarySearch::DictionarySearch(const std::vector<DictionaryEntry>& entries) : m_entryCount(entries.size())
{
    const auto addName = [this](std::size_t entry, bool headword, const std::string& text) {
        Name name{entry, headword, {}};
        std::vector<std::string> words = searchWords(text);
        // "orang yang sudah meninggal": the fillers count for nothing.
        if (std::any_of(words.begin(), words.end(), [](const std::string& w) { return !isFiller(w); }))
            std::erase_if(words, isFiller);
        for (std::string& word : words)
            name.words.push_back({word, wordStems(word)});
        if (!name.words.empty())
            m_names.push_back(std::move(name));
    };
    for (std::size_t i = 0; i < entries.size(); ++i) {
        addName(i, true, entries[i].indonesian);
        addName(i, true, entries[i].english);
        for (const std::string& other : entries[i].sebutan)
            addName(i, false, other);
        for (const std::string& other : entries[i].terms)
            addName(i, false, other);
    }
}

std::vector<DictionaryHit> DictionarySearch::find(std::string_view query) const
{
    std::vector<std::string> words = searchWords(query);
    if (std::any_of(words.begin(), words.end(), [](const std::string& w) { return !isFiller(w); }))
        std::erase_if(words, isFiller);
    if (words.empty())
        return {};
    // The last word may be one the reader is still typing.
    const auto last = static_cast<unsigned char>(query.back());
    const bool lastUnfinished = std::isalnum(last) || last >= 0x80;
    std::vector<std::vector<std::string>> queryStems;
    for (const std::string& word : words)
        queryStems.push_back(wordStems(word));

    enum Match { None, Near, Exact };
    const auto matchWord = [&](std::size_t q, const Word& word) {
        for (const std::string& stem : queryStems[q])
            if (std::find(word.stems.begin(), word.stems.end(), stem) != word.stems.end())
                return Exact;
        if (lastUnfinished && q + 1 == words.size() && words[q].size() >= 2 && startsWith(word.text, words[q]))
            return Near;
        if (words[q].size() >= kForgivingLength)
            for (const std::string& stem : word.stems)
                if (stem.size() >= kForgivingLength && oneLetterApart(words[q], stem))
                    return Near;
        return None;
    };

    // Per entry the best answer: (kind, words missed, extra words in the name).
    using Rank = std::tuple<MatchKind, std::size_t, std::size_t>;
    std::vector<std::optional<Rank>> best(m_entryCount);
    for (const Name& name : m_names) {
        std::size_t matched = 0;
        bool near = false;
        bool exact = false;
        for (std::size_t q = 0; q < words.size(); ++q) {
            Match found = None;
            for (const Word& word : name.words)
                found = std::max(found, matchWord(q, word));
            matched += found != None;
            near = near || found == Near;
            exact = exact || found == Exact;
        }
        // Some words of the query, but not all: only a word found as it
        // was typed counts, or "bitten" would bring up a kitten.
        if (matched == 0 || (matched < words.size() && !exact))
            continue;
        const MatchKind kind = matched < words.size() ? MatchKind::Partial
                               : near                 ? MatchKind::Near
                               : name.headword        ? MatchKind::Headword
                                                      : MatchKind::Synonym;
        const std::size_t extra = name.words.size() > matched ? name.words.size() - matched : 0;
        const Rank rank{kind, words.size() - matched, extra};
        if (!best[name.entry] || rank < *best[name.entry])
            best[name.entry] = rank;
    }

    std::vector<std::pair<Rank, std::size_t>> ranked;
    for (std::size_t i = 0; i < best.size(); ++i)
        if (best[i])
            ranked.emplace_back(*best[i], i);
    std::sort(ranked.begin(), ranked.end());
    std::vector<DictionaryHit> hits;
    hits.reserve(ranked.size());
    for (const auto& [rank, entry] : ranked)
        hits.push_back({entry, std::get<0>(rank)});
    return hits;
}

}  // namespace temparoka
