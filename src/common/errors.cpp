#include "common/errors.h"

#include <map>

namespace temparoka {

namespace {

struct Phrase {
    const char* english;  // as the file layer or an encoder says it
    const char* indonesian;  // what an Indonesian reader is told
    const char* wording;  // the English told, where the raw text reads poorly after "…: "
};

// Every cause a save of a kept reading can meet, with the system's texts
// (strerror's, as glibc words them) read the way a save meets them: a
// missing entry is the folder, since a missing file is simply made.
const Phrase kCauses[] = {
    {"No such file or directory", "folder tidak ditemukan", "no such folder"},
    {"Permission denied", "tidak ada izin untuk menulis di sana", "no permission to write there"},
    {"Operation not permitted", "sistem tidak mengizinkannya", "the system does not allow it"},
    {"No space left on device", "disk sudah penuh", "the disk is full"},
    {"Disk quota exceeded", "jatah ruang disk Anda sudah habis", "your disk quota is used up"},
    {"File too large", "berkas terlalu besar", "the file is too large"},
    {"Read-only file system", "disk itu hanya dapat dibaca", "the disk is read-only"},
    {"File name too long", "nama berkas terlalu panjang", "the file name is too long"},
    {"Is a directory", "itu folder, bukan berkas", "it is a folder, not a file"},
    {"Not a directory", "salah satu bagian jalurnya bukan folder", "part of the path is not a folder"},
    {"Input/output error", "disk gagal membaca atau menulis", "the disk failed to read or write"},
    {"Too many levels of symbolic links", "terlalu banyak tautan simbolik yang berantai",
     "too many symbolic links in a row"},
    {"Cannot allocate memory", "memori tidak cukup", "there is not enough memory"},
    {"Too many open files", "terlalu banyak berkas yang sedang terbuka", "too many files are open"},
    {"Device or resource busy", "perangkat sedang sibuk", "the device is busy"},
    {"Text file busy", "berkas itu sedang berjalan sebagai program", "the file is a program that is running"},
    {"Stale file handle", "folder jaringan itu tidak lagi tersedia", "the network folder is no longer there"},
    {"Transport endpoint is not connected", "sambungan ke folder itu terputus",
     "the connection to that folder is lost"},
    // The file layer's own words.
    {"nothing could be written", "tidak ada yang dapat ditulis", nullptr},
    {"the system gave no reason", "sistem tidak menyebutkan alasannya", nullptr},
    {"what was written reads back differently", "isi yang ditulis terbaca berbeda saat diperiksa", nullptr},
    {"it is read-only", "berkas itu hanya dapat dibaca", nullptr},
    {"it is a link that another user made", "itu tautan buatan pengguna lain", nullptr},
    {"it is a link that leads nowhere", "itu tautan yang tidak mengarah ke mana pun", nullptr},
    {"another copy of the program is saving there and has not finished",
     "salinan lain program ini sedang menyimpan di sana dan belum selesai", nullptr},
    // The encoders'.
    {"there is not enough memory to draw the reading", "memori tidak cukup untuk menggambar ramalan", nullptr},
    {"the PDF could not be made completely", "PDF tidak dapat dibuat dengan utuh", nullptr},
    {"the picture could not be encoded", "gambar tidak dapat dikodekan", nullptr},
    {"there was nothing to write", "tidak ada isi untuk ditulis", nullptr},
};

// What the file layer finds instead of a regular file (kindOf), in the two
// sentences it says it in.
const Phrase kKinds[] = {
    {"a folder", "folder", nullptr},
    {"a named pipe", "pipa bernama", nullptr},
    {"a socket", "soket", nullptr},
    {"a device", "perangkat", nullptr},
    {"a symbolic link", "tautan simbolik", nullptr},
    {"something else", "sesuatu yang lain", nullptr},
};

const std::map<std::string, CauseInBothLanguages>& knownCauses()
{
    static const std::map<std::string, CauseInBothLanguages> known = [] {
        std::map<std::string, CauseInBothLanguages> causes;
        for (const Phrase& phrase : kCauses)
            causes[phrase.english] = {phrase.indonesian, phrase.wording ? phrase.wording : phrase.english};
        for (const Phrase& kind : kKinds) {
            const std::string english = kind.english, indonesian = kind.indonesian;
            const std::string itself = "it is " + english + ", not a regular file";
            const std::string linked = "it is a link to " + english + ", not to a regular file";
            causes[itself] = {"itu " + indonesian + ", bukan berkas biasa", itself};
            causes[linked] = {"itu tautan ke " + indonesian + ", bukan ke berkas biasa", linked};
        }
        return causes;
    }();
    return known;
}

}  // namespace

FileError saveFailure(const std::string& path, const std::string& cause)
{
    return FileError("Cannot save " + path + ": " + cause);
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

CauseInBothLanguages causeInBothLanguages(const std::string& cause)
{
    const auto& known = knownCauses();
    if (const auto found = known.find(cause); found != known.end())
        return found->second;
    // "the picture could not be encoded (Unknown error)": the encoder's
    // own words are translated, the detail it was given is not.
    if (const std::size_t open = cause.rfind(" ("); open != std::string::npos && cause.back() == ')')
        if (const auto found = known.find(cause.substr(0, open)); found != known.end()) {
            const std::string detail = cause.substr(open);
            return {found->second.indonesian + detail, found->second.english + detail};
        }
    return {cause, cause};
}

}  // namespace temparoka
