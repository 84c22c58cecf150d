#include "files/recordfile.h"

#include "core/errors.h"
#include "files/nativefile.h"
#include "files/safesave.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace temparoka {

namespace {

std::optional<Record> recordOf(const std::string& bytes)
{
    return deserialise(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

// Reads the record that was found: a regular file only, and no more than a
// record's worth of it, whatever its length.
LoadedRecord read(const FoundFile& file)
{
    if (!file.exists)
        return {};
    FileDescriptor opened(
        ::openat(file.folder.fd.get(), file.name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!opened.isOpen())
        return errno == ENOENT ? LoadedRecord() : LoadedRecord(systemFailure(errno));
    struct stat info {};
    if (::fstat(opened.get(), &info) != 0)
        return systemFailure(errno);
    if (!S_ISREG(info.st_mode))
        return Failure{notRegular(info.st_mode)};
    const FileResult<std::string> bytes = readUpTo(opened.get(), kRecordFileSize);
    if (!bytes.ok())
        return bytes.failure();
    return recordOf(bytes.value());
}

// Whether an open folder has been removed since it was opened.
bool removed(const OpenFolder& folder)
{
    struct stat info {};
    return ::fstat(folder.fd.get(), &info) == 0 && info.st_nlink == 0;
}

}  // namespace

FileResult<FoundFile> RecordFile::found(bool makeFolders)
{
    const std::string& path = m_place.value();
    FileResult<OpenFolder> folder = openFolder(folderOf(path), Trust::OwnFolders, makeFolders);
    if (!folder.ok())
        return folder.failure();
    // Where the record lives, nobody else may write either.
    const OpenFolder& here = folder.value();
    if (FileResult<> closed = closedToOthers(here); !closed.ok())
        return closed.failure();
    if (m_folder && (m_folder->device != here.device || m_folder->inode != here.inode)) {
        // The reader may have removed the folder: it is made again. One
        // that is still there elsewhere was moved away, and what stands at
        // its path now is not what the program found.
        if (!removed(*m_folder))
            return Failure{"the folder " + here.path + " was replaced after the program started"};
        m_folder.reset();
    }
    if (!m_folder) {
        FileDescriptor kept(::fcntl(here.fd.get(), F_DUPFD_CLOEXEC, 3));
        if (!kept.isOpen())
            return systemFailure(errno);
        m_folder = std::make_shared<const OpenFolder>(
            OpenFolder{std::move(kept), here.path, here.owner, here.group, here.mode, here.device, here.inode});
    }
    return findFileIn(std::move(folder.value()), nameOf(path), Trust::OwnFolders);
}

LoadedRecord RecordFile::load()
{
    if (!m_place.ok())
        return {};
    const FileResult<FoundFile> file = found(false);
    // A folder not made yet holds no record; nor does a link that leads
    // nowhere (a synced folder not there yet) or one that another user
    // made, which is not followed: the save that comes says why it cannot
    // write there.
    const bool none = !file.ok() && (file.error() == ENOENT || file.problem() == kLeadsNowhere ||
                                     file.problem() == kLinkOfAnotherUser);
    LoadedRecord loaded;
    if (file.ok())
        loaded = read(file.value());
    else if (!none)
        loaded = file.failure();
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
    if (const FileResult<FoundFile> first = found(true); !first.ok())
        fail(first.failure());

    if (m_beforeLock)
        m_beforeLock();
    // Held from the read to the rename: a copy that merged without seeing
    // our save must not rename its file over ours afterwards. Taken in the
    // record's own folder, never where a link of ours leads (a synced
    // folder would carry the lock file to other machines).
    const FolderLock lock(m_folder->fd.get(), kRecordLockName, nameOf(m_place.value()), m_lockPatience, m_lockWait);
    if (!lock.problem().empty())
        fail(Failure{lock.problem(), lock.error()});
    // Looked at again once the lock is ours: another copy may have made the
    // file while we waited for it, and its readings must not be renamed
    // away. The folder must still be the one that was locked.
    const FileResult<FoundFile> locked = found(true);
    if (!locked.ok())
        fail(locked.failure());
    const FoundFile& target = locked.value();
    // Another copy of the program may have saved since we last looked, or
    // the file may have been replaced or deleted: what we added since then
    // joins what is there, a missing file counting as an empty record.
    Record onDisk;
    if (const LoadedRecord read = temparoka::read(target); read.ok() && read.value())
        onDisk = *read.value();
    const Record merged = mergedWithDisk(record, m_base, onDisk);
    const auto bytes = serialise(merged);
    if (const FileResult<> replaced = replaceFile(target, bytes, NewFileAccess::Private, m_beforeReplace);
        !replaced.ok())
        fail(replaced.failure());
    m_base = merged;
    return merged;
}

}  // namespace temparoka
