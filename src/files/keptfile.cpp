#include "files/keptfile.h"

#include "files/safesave.h"

#include <QFile>

namespace temparoka {

FileError readingNotSaved(const std::string& path, const std::string& cause, int error)
{
    return FileError(withCause("Ramalan tidak dapat disimpan di " + path, "Cannot save " + path, cause, error));
}

FileResult<bool> keptFileExists(const std::string& path)
{
    const FileResult<SaveTarget> target = resolveSaveTarget(path);
    if (!target.ok())
        return target.failure();
    return target.value().exists;
}

void saveEncoded(const Encoded& bytes, const QString& path)
{
    const std::string target = QFile::encodeName(path).toStdString();
    if (!bytes.ok())
        throw readingNotSaved(target, bytes.problem(), bytes.error());
    // Nothing is no reading: an encoding that gave nothing failed unseen.
    if (bytes.value().isEmpty())
        throw readingNotSaved(target, "there was nothing to write");
    const QByteArray& data = bytes.value();
    const FileResult<> saved = saveFile(
        target, {reinterpret_cast<const std::uint8_t*>(data.constData()), static_cast<std::size_t>(data.size())},
        NewFileAccess::Document);
    if (!saved.ok())
        throw readingNotSaved(target, saved.problem(), saved.error());
}

}  // namespace temparoka
