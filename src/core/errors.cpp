#include "core/errors.h"

namespace temparoka {

std::string withCause(const std::string& indonesian, const std::string& english, const std::string& cause, int error,
                      Doing doing)
{
    const CauseInBothLanguages why = causeInBothLanguages(cause, error, doing);
    return inBothLanguages(indonesian + ": " + why.indonesian, english + ": " + why.english);
}

FileError saveFailure(const std::string& path, const std::string& cause, int error)
{
    return FileError(withCause("Tidak dapat menyimpan " + path, "Cannot save " + path, cause, error));
}

namespace {

ErrorBoxShower& installedBox()
{
    static ErrorBoxShower box;
    return box;
}

}  // namespace

void installErrorBox(ErrorBoxShower box)
{
    installedBox() = std::move(box);
}

bool showErrorBox(const std::string& text)
{
    if (!installedBox())
        return false;
    installedBox()(text);
    return true;
}

void reportingFailures(const std::function<void()>& command)
{
    try {
        command();
    } catch (const Error& failure) {
        if (!showErrorBox(failure.what()))
            throw;
    }
}

std::string errorBoxText(const std::string& text)
{
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        return text + '.';
    return text;
}

std::string inBothLanguages(const std::string& indonesian, const std::string& english)
{
    return errorBoxText(indonesian) + '\n' + errorBoxText(english);
}

MediaError soundFailure(const std::string& path, const std::string& cause, int error)
{
    return MediaError(withCause("Berkas suara " + path + " tidak dapat diputar", "Cannot play the sound file " + path,
                                cause, error, Doing::Reading));
}

}  // namespace temparoka
