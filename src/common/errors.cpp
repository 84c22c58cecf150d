#include "common/errors.h"

namespace temparoka {

std::string errorBoxText(const std::string& text)
{
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        return text + '.';
    return text;
}

}  // namespace temparoka
