// Our messages in both languages, Indonesian first, from one table of
// causes: every cause the file layer, the record and the sound can meet,
// the system's by its error number, and the same words whatever language
// the system speaks.

#include "core/errors.h"
#include "export/readingdocument.h"
#include "files/nativefile.h"
#include "files/recordfile.h"
#include "sound/soundfile.h"
#include "support/recordfiles.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include <sys/stat.h>

using namespace temparoka;
using namespace temparoka::test;

namespace {

// Every error number that opening, reading, writing, syncing, renaming and
// making folders can give on a local disk, a network folder or a file
// system in user space.
constexpr int kSystemErrors[] = {
    ENOENT,     EACCES,       EPERM,     ENOSPC,     EDQUOT,       EFBIG,     EOVERFLOW, EROFS,  ENAMETOOLONG,
    EISDIR,     ENOTDIR,      ENOTEMPTY, EEXIST,     EIO,          EREMOTEIO, EUCLEAN,   ELOOP,  EMLINK,
    EXDEV,      ENOMEM,       EMFILE,    ENFILE,     ENOLCK,       EBUSY,     ETXTBSY,   EAGAIN, EINTR,
    EBADF,      EINVAL,       ENOSYS,    EOPNOTSUPP, ENODEV,       ENXIO,     ENOKEY,    ESTALE, ENOTCONN,
    ECONNRESET, ECONNABORTED, ETIMEDOUT, EHOSTDOWN,  EHOSTUNREACH,
};

TEST(Messages, EveryCauseIsSaidInIndonesianThenEnglish)
{
    for (const int error : kSystemErrors)
        for (const Doing doing : {Doing::Saving, Doing::Reading}) {
            const CauseInBothLanguages cause = causeInBothLanguages({}, error, doing);
            EXPECT_NE(cause.indonesian, cause.english) << error;
            EXPECT_EQ(cause.english.find("system error number"), std::string::npos) << error;
            // Our own words, not the C library's.
            EXPECT_NE(cause.english, std::strerror(error)) << error;
            EXPECT_EQ(causeInBothLanguages("whatever the text", error, doing), cause) << error;
        }
    for (const unsigned kind : {S_IFDIR, S_IFIFO, S_IFSOCK, S_IFCHR, S_IFBLK, S_IFLNK, 0})
        EXPECT_NE(causeInBothLanguages(notRegular(kind)).indonesian, notRegular(kind));
    // A cause within a cause: the outer words as the table says them.
    const std::string notEncoded = causeInBothLanguages("the picture could not be encoded").indonesian;
    ASSERT_NE(notEncoded, "the picture could not be encoded");
    const std::tuple<std::string, int, Doing, std::string, std::string> causes[] = {
        // cause, error number, what was done, in Indonesian, in English
        {"", ENOENT, Doing::Saving, "folder tidak ditemukan", "no such folder"},  // a save makes a missing file
        {"", ENOENT, Doing::Reading, "berkas atau folder tidak ditemukan", "no such file or folder"},
        {"", EACCES, Doing::Saving, "tidak ada izin untuk menulis di sana", "no permission to write there"},
        {"", ENOSPC, Doing::Reading, "disk sudah penuh", "the disk is full"},
        {"", 4095, Doing::Saving, "kesalahan sistem nomor 4095", "system error number 4095"},
        {"it is a folder, not a regular file", 0, Doing::Saving, "itu folder, bukan berkas biasa",
         "it is a folder, not a regular file"},
        {"it is read-only", 0, Doing::Saving, "berkas itu hanya dapat dibaca", "it is read-only"},
        // A path or a number in our words stays as it is; a cause within a
        // cause is said in each language.
        {"its sample rate of 10 Hz cannot be played", 0, Doing::Reading, "laju sampelnya, 10 Hz, tidak dapat diputar",
         "its sample rate of 10 Hz cannot be played"},
        {"the sound output cannot play 9 channels at 4000 Hz", 0, Doing::Reading,
         "keluaran suara tidak dapat memutar 9 saluran pada 4000 Hz",
         "the sound output cannot play 9 channels at 4000 Hz"},
        {"the program's folder cannot keep it, and others may write in the data folder /x y/", 0, Doing::Saving,
         "folder program tidak dapat menyimpannya, dan pengguna lain dapat menulis di folder data /x y/",
         "the program's folder cannot keep it, and others may write in the data folder /x y/"},
        {"the home folder \"home/sari\" is not a full path", 0, Doing::Saving,
         "folder home \"home/sari\" bukan jalur lengkap", "the home folder \"home/sari\" is not a full path"},
        {"the picture could not be encoded (Bad header)", 0, Doing::Saving, notEncoded + " (Bad header)",
         "the picture could not be encoded (Bad header)"},
        {"the picture could not be encoded (the compressor failed)", 0, Doing::Saving,
         notEncoded + " (pemampatan gagal)", "the picture could not be encoded (the compressor failed)"},
        {"it cannot be read as a sound (Format not recognised.)", 0, Doing::Reading,
         "isinya tidak dapat dibaca sebagai suara (Format not recognised.)",
         "it cannot be read as a sound (Format not recognised.)"},
        // Words the table does not know stay in English rather than be lost.
        {"Bad message", 0, Doing::Saving, "Bad message", "Bad message"},
        {"Bad message (more)", 0, Doing::Saving, "Bad message (more)", "Bad message (more)"},
        {"its sample rate of", 0, Doing::Reading, "its sample rate of", "its sample rate of"},
    };
    for (const auto& [cause, error, doing, indonesian, english] : causes)
        EXPECT_EQ(causeInBothLanguages(cause, error, doing), (CauseInBothLanguages{indonesian, english})) << cause;
    // Each line ends as a sentence of its own, as the error box would end it.
    EXPECT_EQ(inBothLanguages("Gagal", "Failed"), "Gagal.\nFailed.");
    EXPECT_EQ(inBothLanguages("Gagal (x)", "Failed!"), "Gagal (x)\nFailed!");
}

// Sets the C library's language (its messages, and with them strerror's)
// while it lives, as Qt does from the system's at start-up. The locale is
// compiled for the test from the C library's sources (Debian's locales), so
// that no machine needs every locale installed for it.
class SystemLanguage {
public:
    explicit SystemLanguage(const char* locale) : m_saved(std::setlocale(LC_ALL, nullptr))
    {
        const QString name = QString::fromLatin1(locale);
        QProcess compile;
        compile.start(QStringLiteral("localedef"),
                      {QStringLiteral("-c"), QStringLiteral("-i"), name.section(QLatin1Char('.'), 0, 0),
                       QStringLiteral("-f"), QStringLiteral("UTF-8"), m_folder.filePath(name)});
        if (!compile.waitForFinished(60000)) {
            compile.kill();
            compile.waitForFinished();
            return;
        }
        ::setenv("LOCPATH", QFile::encodeName(m_folder.path()).constData(), 1);
        m_set = std::setlocale(LC_ALL, locale) != nullptr;
    }
    ~SystemLanguage()
    {
        std::setlocale(LC_ALL, m_saved.c_str());
        ::unsetenv("LOCPATH");
    }
    bool set() const { return m_set; }

private:
    QTemporaryDir m_folder;
    std::string m_saved;
    bool m_set = false;
};

TEST(Messages, AreTheSameWhateverLanguageTheSystemSpeaks)
{
    QTemporaryDir folder;
    const std::string path = native(folder.filePath("temparoka.dat"));
    const std::string notAFolder = native(folder.filePath("plain"));
    writeBytes(notAFolder, "x");
    RecordFile(path).save(Record{});
    // A failure of each kind that the record, the sound and a kept reading
    // meet, each with an error number from the system.
    const std::vector<std::function<std::string()>> failures = {
        [&] {
            RecordFile file(path);
            const FileSizeLimit limit(100);
            return saveError(file, recordWithBirthday(31000));
        },
        [&] { return RecordFile(notAFolder + "/temparoka.dat").load().problem(); },
        [&] {
            try {
                SoundFile::open(native(folder.filePath("tmk.wav")));
            } catch (const MediaError& error) {
                return std::string(error.what());
            }
            return std::string("no error");
        },
        [&] {
            try {
                saveEncoded(QByteArray("%PDF-"), folder.filePath("missing/a.pdf"));
            } catch (const FileError& error) {
                return std::string(error.what());
            }
            return std::string("no error");
        },
    };
    const auto messages = [&] {
        std::vector<std::string> said;
        for (const auto& failure : failures)
            said.push_back(failure());
        return said;
    };
    const std::vector<std::string> inC = messages();
    const std::string missing = native(folder.filePath("missing/a.pdf"));
    const std::string expected[] = {
        "Tidak dapat menyimpan " + path + ": berkas terlalu besar.\nCannot save " + path + ": the file is too large.",
        "Berkas catatan " + notAFolder +
            "/temparoka.dat tidak dapat dibaca: salah satu bagian jalurnya bukan folder.\n"
            "Cannot read the record file " +
            notAFolder + "/temparoka.dat: part of the path is not a folder.",
        "Berkas suara " + native(folder.filePath("tmk.wav")) +
            " tidak dapat diputar: berkas atau folder tidak ditemukan.\nCannot play the sound file " +
            native(folder.filePath("tmk.wav")) + ": no such file or folder.",
        "Ramalan tidak dapat disimpan di " + missing + ": folder tidak ditemukan.\nCannot save " + missing +
            ": no such folder.",
    };
    EXPECT_EQ(inC, std::vector<std::string>(std::begin(expected), std::end(expected)));
    const std::string cWords = std::strerror(EFBIG);
    for (const char* locale : {"de_DE.UTF-8", "id_ID.UTF-8"}) {
        SCOPED_TRACE(locale);
        const SystemLanguage language(locale);
        ASSERT_TRUE(language.set()) << "localedef could not make the locale (Debian: locales)";
        ASSERT_NE(std::strerror(EFBIG), cWords) << "the C library does not speak it";
        EXPECT_EQ(messages(), inC);
    }
}

}  // namespace
