#include "app/recordfile.h"

#include "common/errors.h"
#include "common/nativefile.h"
#include "common/safesave.h"

#include <cstdlib>

#include <pwd.h>
#include <unistd.h>

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
        return Failure{file.problem()};
    if (!file.value().isOpen())
        return {};
    const FileResult<std::string> bytes = readUpTo(file.value().get(), kRecordFileSize);
    if (!bytes.ok())
        return Failure{bytes.problem()};
    return recordOf(bytes.value());
}

}  // namespace

Location dataFolderFrom(const char* xdgDataHome, const char* home, const char* accountHome)
{
    const auto isRoot = [](const std::string& path) { return path.find_first_not_of('/') == std::string::npos; };
    const auto withSlash = [](std::string path) { return path.back() == '/' ? path : path + '/'; };
    if (xdgDataHome && xdgDataHome[0] == '/' && !isRoot(xdgDataHome))
        return withSlash(xdgDataHome) + "temparoka/";
    const std::string folder = home ? home : accountHome ? accountHome : "";
    if (folder.empty())
        return Failure{"no home folder is set"};
    if (folder[0] != '/')
        return Failure{"the home folder \"" + folder + "\" is not a full path"};
    if (isRoot(folder))
        return Failure{"the home folder is the system's top folder \"/\""};
    return withSlash(folder) + ".local/share/temparoka/";
}

Location userDataFolder()
{
    const passwd* account = ::getpwuid(::geteuid());
    return dataFolderFrom(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"), account ? account->pw_dir : nullptr);
}

Location recordPlace(const std::string& programFolder, const Location& dataFolder)
{
    const std::string beside = programFolder + kRecordFileName;
    const auto inDataFolder = [&]() -> Location {
        if (!dataFolder.ok())
            return Failure{"the program's folder cannot keep it, and " + dataFolder.problem()};
        return dataFolder.value() + kRecordFileName;
    };
    if (programFolder.starts_with("/usr/"))
        return inDataFolder();
    // Whatever already stands beside the program is the record, even when
    // it turns out unreadable: the reader is told, rather than sent off to
    // a second record elsewhere.
    if (somethingAt(beside) || folderWritable(programFolder))
        return beside;
    return inDataFolder();
}

LoadedRecord RecordFile::load()
{
    if (!m_place.ok())
        return {};
    LoadedRecord loaded = read(m_place.value());
    m_base = loaded.value();
    if (!loaded.ok())
        return Failure{"Cannot read the record file " + m_place.value() + ": " + loaded.problem()};
    return loaded;
}

Record RecordFile::save(const Record& record)
{
    if (!m_place.ok())
        throw FileError("Cannot save the record: " + m_place.problem());
    const auto fail = [&](const std::string& cause) {
        throw saveFailure(m_place.value(), cause);
    };
    const FileResult<SaveTarget> resolved = resolveSaveTarget(m_place.value());
    if (!resolved.ok())
        fail(resolved.problem());
    const SaveTarget& target = resolved.value();
    if (!target.exists) {
        if (const FileResult<> made = makeFolders(folderOf(target.path)); !made.ok())
            fail(made.problem());
    }

    // Another copy of the program may have saved since we last looked, or
    // the file may have been replaced: what we added since then joins its
    // readings.
    const FolderLock lock(folderOf(target.path));
    Record merged = record;
    if (target.exists) {
        if (const LoadedRecord onDisk = read(target.path); onDisk.value())
            merged = mergedWithDisk(record, m_base, *onDisk.value());
    }
    const auto bytes = serialise(merged);
    if (const FileResult<> replaced = replaceFile(target.path, bytes, m_beforeReplace); !replaced.ok())
        fail(replaced.problem());
    m_base = merged;
    return merged;
}

}  // namespace temparoka
