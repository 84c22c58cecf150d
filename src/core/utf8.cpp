#include "core/utf8.h"

namespace temparoka {

std::optional<Utf8Character> utf8CharacterAt(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<std::uint8_t>(text[at]);
    if (lead < 0x80)
        return Utf8Character{lead, 1};
    std::size_t length = 0;
    std::uint32_t lowest = 0;
    std::uint32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2, lowest = 0x80, code = lead & 0x1F;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3, lowest = 0x800, code = lead & 0x0F;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4, lowest = 0x10000, code = lead & 0x07;
    else
        return std::nullopt;
    if (text.size() - at < length)
        return std::nullopt;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<std::uint8_t>(text[at + k]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return std::nullopt;
    return Utf8Character{code, length};
}

bool isUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const std::optional<Utf8Character> character = utf8CharacterAt(text, at);
        if (!character)
            return false;
        at += character->length;
    }
    return true;
}

}  // namespace temparoka
