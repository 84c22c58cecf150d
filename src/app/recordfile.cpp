#include "app/recordfile.h"

#include "common/errors.h"
#include "common/nativefile.h"

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
    OpenedFile file = openRegularFile(path);
    if (file.missing)
        return {};
    if (!file.problem.empty())
        return {std::nullopt, file.problem};
    std::string problem;
    const std::string bytes = readUpTo(file.fd.get(), kRecordFileSize, problem);
    if (!problem.empty())
        return {std::nullopt, problem};
    return {recordOf(bytes), {}};
}

}  // namespace

std::string recordPlace(const std::string& programFolder, const std::string& dataFolder)
{
    const std::string beside = programFolder + kRecordFileName;
    if (!dataFolder.empty() && programFolder.starts_with("/usr/"))
        return dataFolder + kRecordFileName;
    // Whatever already stands beside the program is the record, even when
    // it turns out unreadable: the reader is told, rather than sent off to
    // a second record elsewhere.
    if (dataFolder.empty() || somethingAt(beside) || folderWritable(programFolder))
        return beside;
    return dataFolder + kRecordFileName;
}

LoadedRecord RecordFile::load() const
{
    LoadedRecord loaded = read(m_path);
    if (!loaded.problem.empty())
        loaded.problem = "Cannot read the record file " + m_path + ": " + loaded.problem;
    return loaded;
}

Record RecordFile::save(const Record& record) const
{
    const auto fail = [&](const std::string& cause) {
        throw FileError("Cannot save " + m_path + ": " + cause);
    };
    const SaveTarget target = resolveSaveTarget(m_path);
    if (!target.problem.empty())
        fail(target.problem);
    if (!target.exists) {
        if (std::string problem = makeFolders(folderOf(target.path)); !problem.empty())
            fail(problem);
    }

    // Another copy of the program may have saved since we last looked, or
    // the file may have been replaced: its readings join ours.
    const FolderLock lock(folderOf(target.path));
    Record merged = record;
    if (target.exists) {
        if (const LoadedRecord onDisk = read(target.path); onDisk.record)
            merged = mergedWithDisk(record, *onDisk.record);
    }
    const auto bytes = serialise(merged);
    if (std::string problem = replaceFile(target.path, bytes, m_beforeReplace); !problem.empty())
        fail(problem);
    return merged;
}

}  // namespace temparoka
