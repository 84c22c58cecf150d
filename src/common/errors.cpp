#include "common/errors.h"

namespace temparoka {

FileError saveFailure(const std::string& path, const std::string& cause)
{
    return FileError("Cannot save " + path + ": " + cause);
}

std::string errorBoxText(const std::string& text)
{
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        return text + '.';
    return text;
}

}  // namespace temparoka
