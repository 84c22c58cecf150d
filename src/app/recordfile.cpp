#include "app/recordfile.h"

#include "common/errors.h"

#include <QFile>
#include <QSaveFile>

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
    const auto fail = [&] {
        throw FileError(QStringLiteral("Cannot save %1: %2").arg(m_path, file.errorString()).toStdString());
    };
    if (!file.open(QIODevice::WriteOnly))
        fail();
    if (file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()))
        != static_cast<qint64>(bytes.size()))
        fail();
    if (!file.commit())
        fail();
}

}  // namespace temparoka
