#pragma once
// The dream dictionary: what a dream picture means in the Javanese and
// Indonesian tradition, in both languages. Its entries are kept as text,
// one record of six lines each, records parted by a blank line:
//
//   kata: ular | snake
//   tema: hewan
//   sebutan: dipatuk ular; digigit ular; ular kobra
//   terms: bitten by a snake; cobra
//   arti: Menurut tafsir Jawa, ...
//   meaning: In Javanese dream lore, ...
//
// Lines that start with "#" are comments between records. The reader
// refuses a damaged text as a whole, naming the line, rather than showing
// a dictionary with holes in it. Pure text rules, no Qt.

#include "core/errors.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace temparoka {

enum class DreamTheme { Hewan, Orang, Tubuh, Rumah, Alam, Perjalanan, Kesehatan, Kematian, Peristiwa, Gaib };

struct ThemeName {
    DreamTheme theme;
    const char* key;  // as the text names it: "hewan"
    const char* indonesian;
    const char* english;
};
// The themes in the order the dictionary is browsed.
const std::array<ThemeName, 10>& dreamThemes();
const ThemeName& themeName(DreamTheme theme);

struct DictionaryEntry {
    std::string indonesian;  // the headword, "ular"
    std::string english;  // "snake"
    DreamTheme theme = DreamTheme::Hewan;
    std::vector<std::string> sebutan;  // other ways to say it in Indonesian
    std::vector<std::string> terms;  // and in English
    std::string arti;  // the meaning in Indonesian
    std::string meaning;  // and in English
    bool operator==(const DictionaryEntry&) const = default;
};

// A damaged dictionary text; what() names the line, in both languages.
class DictionaryError : public Error {
public:
    using Error::Error;
};

// The entries in the order they stand in the text. Throws DictionaryError
// for a record that lacks a field or holds an unknown one, an unknown
// theme, an empty text, a headword given twice, or bytes that are not
// UTF-8.
std::vector<DictionaryEntry> readDreamDictionary(std::string_view text);

}  // namespace temparoka
