#pragma once
// Looking a dream picture up in the dictionary, the way people type it:
// in Indonesian or English, in any case, with or without accents and
// punctuation, with the affixes and doubled words of Indonesian ("digigit"
// finds "gigit", "lari-lari" finds "lari"), wrapped in "arti mimpi ..." or
// "dream of ...", and with one letter wrong or missing in a longer word.
// Pure text rules, no Qt.

#include "core/dreamdictionary.h"

#include <string>
#include <string_view>
#include <vector>

namespace temparoka {

// How an entry answered a search, best first.
enum class MatchKind {
    Headword,  // its headword is what was typed, or holds every word of it
    Synonym,  // one of its other names holds every word typed
    Near,  // with a letter wrong or missing, or a word not yet finished
    Partial,  // some of the words typed, not all
};

struct DictionaryHit {
    std::size_t entry = 0;  // index into the entries searched
    MatchKind kind = MatchKind::Headword;
    bool operator==(const DictionaryHit&) const = default;
};

// The words of a text as the search compares them: lower case, accents
// and punctuation dropped, a doubled word ("lari-lari") once.
std::vector<std::string> searchWords(std::string_view text);

// The forms a word may stand for once its affixes are taken off, the word
// itself first: "digigit" gives "digigit" and "gigit"; "mengejar" gives
// "kejar" among others; "dreaming" gives "dream".
std::vector<std::string> wordStems(const std::string& word);

class DictionarySearch {
public:
    // Prepares the words of every entry once, so a search per keystroke
    // compares prepared words only.
    explicit DictionarySearch(const std::vector<DictionaryEntry>& entries);

    // The entries that answer the query, best first; within one kind, the
    // closest name first, then in the dictionary's order. Empty for a
    // query with no words.
    std::vector<DictionaryHit> find(std::string_view query) const;

private:
    struct Word {
        std::string text;
        std::vector<std::string> stems;
    };
    // One name of an entry (a headword or another way to say it), as words.
    struct Name {
        std::size_t entry;
        bool headword;
        std::vector<Word> words;
    };
    std::vector<Name> m_names;
    std::size_t m_entryCount;
};

}  // namespace temparoka
