// The causes of failures that a message names, in both languages: the one
// table of them (causeInBothLanguages in errors.h).

#include "core/errors.h"

#include <cerrno>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

namespace temparoka {

namespace {

struct SystemPhrase {
    int error;
    const char* indonesian;
    const char* english;
};

// Every error number that the file layer, the record and the sound can be
// given by the system (opening, reading, writing, syncing, renaming and
// making folders, on local disks, network folders and user-space file
// systems), in words that fit after "…: ". The C library has words for
// them too, but in the system's language, so that an Indonesian or German
// system would put its own language on the English line.
const SystemPhrase kSystemCauses[] = {
    {ENOENT, "berkas atau folder tidak ditemukan", "no such file or folder"},
    {EACCES, "tidak ada izin untuk membukanya", "no permission to open it"},
    {EPERM, "sistem tidak mengizinkannya", "the system does not allow it"},
    {ENOSPC, "disk sudah penuh", "the disk is full"},
    {EDQUOT, "jatah ruang disk Anda sudah habis", "your disk quota is used up"},
    {EFBIG, "berkas terlalu besar", "the file is too large"},
    {EOVERFLOW, "berkas terlalu besar untuk dibaca", "the file is too large to be read"},
    {EROFS, "disk itu hanya dapat dibaca", "the disk is read-only"},
    {ENAMETOOLONG, "nama berkas terlalu panjang", "the file name is too long"},
    {EISDIR, "itu folder, bukan berkas", "it is a folder, not a file"},
    {ENOTDIR, "salah satu bagian jalurnya bukan folder", "part of the path is not a folder"},
    {ENOTEMPTY, "folder itu tidak kosong", "the folder is not empty"},
    {EEXIST, "sudah ada sesuatu dengan nama itu", "something of that name is there already"},
    {EIO, "disk gagal membaca atau menulis", "the disk failed to read or write"},
    {EREMOTEIO, "disk jarak jauh gagal membaca atau menulis", "the remote disk failed to read or write"},
    {EUCLEAN, "sistem berkasnya rusak dan perlu diperiksa", "the file system is damaged and needs checking"},
    {ELOOP, "terlalu banyak tautan simbolik yang berantai", "too many symbolic links in a row"},
    {EMLINK, "terlalu banyak tautan ke sana", "there are too many links to it"},
    {EXDEV, "sumber dan tujuannya berada di disk yang berbeda",
     "the source and the destination are on different disks"},
    {ENOMEM, "memori tidak cukup", "there is not enough memory"},
    {EMFILE, "terlalu banyak berkas yang sedang terbuka", "too many files are open"},
    {ENFILE, "sistem sedang membuka terlalu banyak berkas", "the system has too many files open"},
    {ENOLCK, "sistem tidak dapat mengunci berkas lagi", "the system can lock no more files"},
    {EBUSY, "perangkat sedang sibuk", "the device is busy"},
    {ETXTBSY, "berkas itu sedang berjalan sebagai program", "the file is a program that is running"},
    {EAGAIN, "sedang sibuk untuk sementara; coba lagi", "it is busy for the moment; try again"},
    {EINTR, "terhenti oleh sinyal", "it was interrupted by a signal"},
    {EBADF, "berkas yang terbuka tidak lagi sah", "the open file is no longer valid"},
    {EINVAL, "sistem berkas tidak dapat melakukannya", "the file system cannot do that"},
    {ENOSYS, "sistem berkas tidak mendukungnya", "the file system does not support it"},
    {EOPNOTSUPP, "sistem berkas tidak mendukungnya", "the file system does not support it"},
    {ENODEV, "perangkatnya tidak ditemukan", "there is no such device"},
    {ENXIO, "perangkatnya tidak ditemukan", "there is no such device"},
    {ENOKEY, "kunci folder terenkripsi itu tidak tersedia", "the key of that encrypted folder is not available"},
    {ESTALE, "folder jaringan itu tidak lagi tersedia", "the network folder is no longer there"},
    {ENOTCONN, "sambungan ke folder itu terputus", "the connection to that folder is lost"},
    {ECONNRESET, "sambungan ke folder itu terputus", "the connection to that folder is lost"},
    {ECONNABORTED, "sambungan ke folder itu terputus", "the connection to that folder is lost"},
    {ETIMEDOUT, "folder itu tidak menjawab tepat waktu", "the folder did not answer in time"},
    {EHOSTDOWN, "komputer yang menyimpan folder itu tidak dapat dijangkau",
     "the computer that holds the folder cannot be reached"},
    {EHOSTUNREACH, "komputer yang menyimpan folder itu tidak dapat dijangkau",
     "the computer that holds the folder cannot be reached"},
};

// The few that a save says in words of its own.
const SystemPhrase kSavingCauses[] = {
    {ENOENT, "folder tidak ditemukan", "no such folder"},
    {EACCES, "tidak ada izin untuk menulis di sana", "no permission to write there"},
};

struct Phrase {
    const char* english;  // as the code says it; "{}" stands for a path, a name or a number
    const char* indonesian;  // the same "{}" in the same order
};

// Our own words for a cause, wherever the code says one.
const Phrase kOwnCauses[] = {
    // The file layer's.
    {"nothing could be written", "tidak ada yang dapat ditulis"},
    {"the system gave no reason", "sistem tidak menyebutkan alasannya"},
    {"what was written reads back differently", "isi yang ditulis terbaca berbeda saat diperiksa"},
    {"it is read-only", "berkas itu hanya dapat dibaca"},
    {"it is a link that another user made", "itu tautan buatan pengguna lain"},
    {"it is a link that leads nowhere", "itu tautan yang tidak mengarah ke mana pun"},
    {"{} is a link that another user made", "{} adalah tautan buatan pengguna lain"},
    {"it belongs to another user", "berkas itu milik pengguna lain"},
    {"its path goes up out of {}, which does not exist", "jalurnya naik keluar dari {}, yang tidak ada"},
    {"its lock file {} is not a regular file", "berkas kuncinya, {}, bukan berkas biasa"},
    {"its lock file {} belongs to another user", "berkas kuncinya, {}, milik pengguna lain"},
    {"Temparoka in another window is saving there; wait a moment, then try again",
     "Temparoka di jendela lain sedang menyimpan ke sana; tunggu sebentar, lalu coba lagi"},
    {"its path is longer than {} bytes", "jalurnya lebih panjang dari {} bita"},
    // Where the record lives.
    {"no home folder is set", "tidak ada folder home yang ditetapkan"},
    {"the home folder \"{}\" is not a full path", "folder home \"{}\" bukan jalur lengkap"},
    {"the home folder is the system's top folder \"/\"", "folder home adalah folder teratas sistem \"/\""},
    {"the data folder {} belongs to another user", "folder data {} milik pengguna lain"},
    {"others may write in the data folder {}", "pengguna lain dapat menulis di folder data {}"},
    {"the folder {} belongs to another user", "folder {} milik pengguna lain"},
    {"others may write in the folder {}", "pengguna lain dapat menulis di folder {}"},
    {"the folder {} was replaced after the program started", "folder {} telah diganti setelah program dimulai"},
    {"the program's folder cannot keep it, and {}", "folder program tidak dapat menyimpannya, dan {}"},
    {"no data folder was given", "tidak ada folder data yang diberikan"},
    // The sound's.
    {"it cannot be read as a sound", "isinya tidak dapat dibaca sebagai suara"},
    {"it is not a WAV sound", "itu bukan suara WAV"},
    {"its sample rate of {} Hz cannot be played", "laju sampelnya, {} Hz, tidak dapat diputar"},
    {"its {} channels cannot be played", "{} salurannya tidak dapat diputar"},
    {"the sound output cannot play {} channels at {} Hz", "keluaran suara tidak dapat memutar {} saluran pada {} Hz"},
    {"the sound player {} is missing", "pemutar suaranya, {}, tidak ada"},
    {"the sound player {} cannot be opened", "pemutar suaranya, {}, tidak dapat dibuka"},
    {"the sound player {} belongs to another user", "pemutar suaranya, {}, milik pengguna lain"},
    {"the sound player {} cannot be loaded", "pemutar suaranya, {}, tidak dapat dimuat"},
    {"it has no player", "isinya bukan pemutar suara"},
    {"it is not a regular file", "itu bukan berkas biasa"},
    // The encoders'.
    {"there is not enough memory to draw the reading", "memori tidak cukup untuk menggambar ramalan"},
    {"the PDF could not be made completely", "PDF tidak dapat dibuat dengan utuh"},
    {"the picture could not be encoded", "gambar tidak dapat dibuat"},
    {"there was nothing to write", "tidak ada isi untuk ditulis"},
    // The PNG writer's, said in brackets after the encoders'.
    {"Out of memory", "memori habis"},
    {"the compressor failed", "pemampatan gagal"},
};

// What the file layer finds instead of a regular file (kindOf), in the two
// sentences it says it in.
const Phrase kKinds[] = {
    {"a folder", "folder"},    {"a named pipe", "pipa bernama"},       {"a socket", "soket"},
    {"a device", "perangkat"}, {"a symbolic link", "tautan simbolik"}, {"something else", "sesuatu yang lain"},
};

const std::map<std::string, CauseInBothLanguages>& kindCauses()
{
    static const std::map<std::string, CauseInBothLanguages> known = [] {
        std::map<std::string, CauseInBothLanguages> causes;
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

constexpr std::string_view kSlot = "{}";

// The words that stand in pattern's slots when text reads as pattern: the
// pieces between the slots in order, each found as early as it can be,
// and the last one ending the text.
std::optional<std::vector<std::string>> slotsOf(std::string_view pattern, std::string_view text)
{
    std::vector<std::string_view> pieces;
    for (std::size_t at = 0;;) {
        const std::size_t slot = pattern.find(kSlot, at);
        pieces.push_back(pattern.substr(at, slot == std::string_view::npos ? slot : slot - at));
        if (slot == std::string_view::npos)
            break;
        at = slot + kSlot.size();
    }
    if (pieces.size() == 1)
        return text == pattern ? std::optional(std::vector<std::string>()) : std::nullopt;
    if (!text.starts_with(pieces.front()) || !text.ends_with(pieces.back()) ||
        text.size() < pieces.front().size() + pieces.back().size())
        return std::nullopt;
    std::vector<std::string> slots;
    std::size_t at = pieces.front().size();
    const std::size_t end = text.size() - pieces.back().size();
    for (std::size_t i = 1; i + 1 < pieces.size(); ++i) {
        const std::size_t found = text.substr(0, end).find(pieces[i], at);
        if (found == std::string_view::npos)
            return std::nullopt;
        slots.emplace_back(text.substr(at, found - at));
        at = found + pieces[i].size();
    }
    slots.emplace_back(text.substr(at, end - at));
    return slots;
}

std::string filled(std::string_view pattern, const std::vector<std::string>& slots)
{
    std::string text;
    std::size_t next = 0;
    for (std::size_t at = 0;;) {
        const std::size_t slot = pattern.find(kSlot, at);
        text += pattern.substr(at, slot == std::string_view::npos ? slot : slot - at);
        if (slot == std::string_view::npos || next == slots.size())
            return text;
        text += slots[next++];
        at = slot + kSlot.size();
    }
}

std::optional<CauseInBothLanguages> knownCause(const std::string& cause)
{
    if (const auto kind = kindCauses().find(cause); kind != kindCauses().end())
        return kind->second;
    for (const Phrase& phrase : kOwnCauses) {
        const auto slots = slotsOf(phrase.english, cause);
        if (!slots)
            continue;
        // A path or a number stays as it is; a cause within the cause
        // ("…, and no home folder is set") is said in each language.
        std::vector<std::string> indonesian;
        for (const std::string& slot : *slots) {
            const auto inner = knownCause(slot);
            indonesian.push_back(inner ? inner->indonesian : slot);
        }
        return CauseInBothLanguages{filled(phrase.indonesian, indonesian), cause};
    }
    return std::nullopt;
}

}  // namespace

std::string systemCauseText(int error)
{
    return causeInBothLanguages({}, error, Doing::Reading).english;
}

CauseInBothLanguages causeInBothLanguages(const std::string& cause, int error, Doing doing)
{
    if (error != 0) {
        if (doing == Doing::Saving)
            for (const SystemPhrase& phrase : kSavingCauses)
                if (phrase.error == error)
                    return {phrase.indonesian, phrase.english};
        for (const SystemPhrase& phrase : kSystemCauses)
            if (phrase.error == error)
                return {phrase.indonesian, phrase.english};
        const std::string number = std::to_string(error);
        return {"kesalahan sistem nomor " + number, "system error number " + number};
    }
    if (const auto known = knownCause(cause))
        return *known;
    // "the picture could not be encoded (Unknown error)": the encoder's
    // own words are translated, and the detail it was given too where we
    // know its words (the PNG writer's); a library's own stays as it is.
    if (const std::size_t open = cause.rfind(" ("); open != std::string::npos && cause.back() == ')')
        if (const auto known = knownCause(cause.substr(0, open))) {
            const std::string detail = cause.substr(open + 2, cause.size() - open - 3);
            const auto said = knownCause(detail);
            return {known->indonesian + " (" + (said ? said->indonesian : detail) + ")",
                    known->english + " (" + (said ? said->english : detail) + ")"};
        }
    return {cause, cause};
}

}  // namespace temparoka
