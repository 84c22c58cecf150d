#pragma once
// Reading UTF-8 one character at a time, strictly: no overlong forms, no
// surrogates, nothing past U+10FFFF. Pure text rules, no Qt.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace temparoka {

struct Utf8Character {
    std::uint32_t code;
    std::size_t length;  // in bytes
};

// The character that starts at byte `at`; nothing when the bytes there are
// not well-formed UTF-8.
std::optional<Utf8Character> utf8CharacterAt(std::string_view text, std::size_t at);

bool isUtf8(std::string_view text);

}  // namespace temparoka
