#include "app/recordfile.h"

#include "common/errors.h"
#include "common/nativefile.h"
#include "common/safesave.h"

namespace temparoka {

namespace {

std::optional<Record> recordOf(const std::string& bytes)
{
    return deserialise(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

// Reads the record at path: a regular file only, and no more than a record's
// worth of it, whatever its length.
LoadedRecord read(const std::string& path)
{
    FileResult<FileDescriptor> file = openRegularFile(path);
    if (!file.ok())
        return file.failure();
    if (!file.value().isOpen())
        return {};
    const FileResult<std::string> bytes = readUpTo(file.value().get(), kRecordFileSize);
    if (!bytes.ok())
        return bytes.failure();
    return recordOf(bytes.value());
}

}  // namespace

LoadedRecord RecordFile::load()
{
    if (!m_place.ok())
        return {};
    LoadedRecord loaded = read(m_place.value());
    if (!loaded.ok()) {
        m_base.reset();
        return Failure{withCause("Berkas catatan " + m_place.value() + " tidak dapat dibaca",
                                 "Cannot read the record file " + m_place.value(), loaded.problem(), loaded.error(),
                                 Doing::Reading)};
    }
    m_base = loaded.value();
    return loaded;
}

Record RecordFile::save(const Record& record)
{
    if (!m_place.ok())
        throw FileError(withCause("Catatan tidak dapat disimpan", "Cannot save the record", m_place.problem()));
    const auto fail = [&](const Failure& cause) { throw saveFailure(m_place.value(), cause.problem, cause.error); };
    const FileResult<SaveTarget> resolved = resolveSaveTarget(m_place.value());
    if (!resolved.ok())
        fail(resolved.failure());
    if (!resolved.value().exists) {
        if (const FileResult<> made = makeFolders(folderOf(resolved.value().path)); !made.ok())
            fail(made.failure());
    }

    if (m_beforeLock)
        m_beforeLock();
    // Held from the read to the rename: a copy that merged without seeing
    // our save must not rename its file over ours afterwards.
    const FolderLock lock(folderOf(resolved.value().path), m_lockPatience);
    if (!lock.problem().empty())
        fail(Failure{lock.problem()});
    // Looked at again under the lock: another copy may have made the file
    // while we waited for it, and its readings must not be renamed away.
    const FileResult<SaveTarget> locked = resolveSaveTarget(m_place.value());
    if (!locked.ok())
        fail(locked.failure());
    const SaveTarget& target = locked.value();
    // Another copy of the program may have saved since we last looked, or
    // the file may have been replaced or deleted: what we added since then
    // joins what is there, a missing file counting as an empty record.
    Record onDisk;
    if (target.exists) {
        if (const LoadedRecord read = temparoka::read(target.path); read.ok() && read.value())
            onDisk = *read.value();
    }
    const Record merged = mergedWithDisk(record, m_base, onDisk);
    const auto bytes = serialise(merged);
    if (const FileResult<> replaced = replaceFile(target.path, bytes, NewFileAccess::Private, m_beforeReplace);
        !replaced.ok())
        fail(replaced.failure());
    m_base = merged;
    return merged;
}

}  // namespace temparoka
