#include "app/recordfile.h"

#include "common/errors.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace temparoka {

std::optional<Record> RecordFile::load() const
{
    // Read-only is enough to restore what was saved; a file we may not
    // write is still the user's data.
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(static_cast<qint64>(kRecordFileSize));
    return deserialise(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                 static_cast<std::size_t>(bytes.size())));
}

void RecordFile::save(const Record& record) const
{
    const auto bytes = serialise(record);
    QSaveFile file(m_path);
    const auto fail = [&](const QString& cause) {
        throw FileError(QStringLiteral("Cannot save %1: %2").arg(m_path, cause).toStdString());
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail(file.errorString());
    // QFile takes a short write (a full disk, a file size limit) for success
    // and would then commit a truncated record. We write to the descriptor
    // ourselves so that every byte is accounted for and errno names the cause.
    const auto* data = reinterpret_cast<const char*>(bytes.data());
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(file.handle(), data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            fail(written < 0 ? QString::fromLocal8Bit(std::strerror(errno)) : QStringLiteral("Nothing could be written"));
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    if (m_beforeReplace)
        m_beforeReplace();
    if (!file.commit())
        fail(file.errorString());
}

}  // namespace temparoka
