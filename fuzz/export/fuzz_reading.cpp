// Hostile reading lines -> the document every kept copy of a reading is made
// from. Whatever the lines hold (broken UTF-8, control characters, NULs,
// very long or very many lines) and whatever card and week the reading
// names, the document is built, gives its text, web page and, for small
// inputs, a file format, never crashes, and its text shows every line that
// was good UTF-8. A card whose picture is missing may only raise the
// program's picture error.
//
// Input: kind, a day (four bytes: 1900 to 2199), a byte of choices (bit 0:
// week and week-year from the next eight bytes, not from the day; bits 1-3:
// 1 to 4 write a small input also as PDF, PNG, web page or text), the card
// (a byte each for its number and picture, two short names), then lines,
// each a byte of colour (bit 0), weight (bit 1) and length scale (bit 2:
// times 16) and a byte of length, followed by its text.
//
// Qt makes itself a runtime folder in /tmp unless XDG_RUNTIME_DIR names
// one; `make fuzz` gives it one of the run's own.

#include "fuzzinput.h"

#include "app/application.h"
#include "core/errors.h"
#include "export/readingdocument.h"

#include <QUtf8StringView>

#include <array>
#include <cstdlib>
#include <optional>

using namespace temparoka;

namespace {

// Inputs up to this size may also be written as a file; a PDF or a picture
// takes a tenth of a second to make, too long for every input.
constexpr std::size_t kEncodeAtMost = 256;
constexpr std::size_t kMostLines = 200;

// The five faces and two that the program never names: a missing one and
// one that is no JPEG.
const std::array<const char*, 8> kPictures = {
    ":/pictures/card_ks.jpg", ":/pictures/card_3d.jpg", ":/pictures/card_qc.jpg",      ":/pictures/card_as.jpg",
    ":/pictures/card_jh.jpg", ":/pictures/flags.png",   ":/pictures/no-such-card.jpg", "",
};
constexpr std::size_t kShippedPictures = 6;

void ensureApplication()
{
    // The suite that replays the corpus has its own application already.
    if (QCoreApplication::instance())
        return;
    static int argc = 3;
    static char name[] = "fuzz_reading";
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    // Lives as long as the process, as the program's own does.
    static TApplication* application = new TApplication(argc, argv);
    (void)application;
}

// The text with what a document turns into paragraph breaks left out and
// the no-break space it shows as a space: line breaks inside a line are the
// document's to place.
QString withoutBreaks(QString text)
{
    text.replace(QChar::Nbsp, QLatin1Char(' '));
    text.removeIf([](QChar c) {
        return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator ||
               c == QChar::LineSeparator || c.unicode() == 0xfdd0 || c.unicode() == 0xfdd1;
    });
    return text;
}

bool isGoodText(const std::string& text)
{
    return text.find('\0') == std::string::npos && QUtf8StringView(text).isValidUtf8();
}

struct Case {
    Reading reading;
    std::size_t pictureIndex = 0;
    std::optional<DocumentFormat> encode;
};

Case caseFrom(fuzz::FuzzInput& input)
{
    Case c;
    Reading& reading = c.reading;
    reading.kind = static_cast<ReadingKind>(input.byte() % 3);
    reading.day = input.dateValue();
    const Reading weekly = Reading::weekly(reading.day);
    reading.week = weekly.week;
    reading.weekYear = weekly.weekYear;
    const std::uint8_t choices = input.byte();
    constexpr std::array<DocumentFormat, 4> kFormats = {DocumentFormat::Pdf, DocumentFormat::Png, DocumentFormat::Html,
                                                        DocumentFormat::Text};
    if (const unsigned format = (choices >> 1) & 7; format >= 1 && format <= kFormats.size())
        c.encode = kFormats[format - 1];
    if (choices & 1) {
        reading.week = static_cast<int>(input.u32());
        reading.weekYear = static_cast<int>(input.u32());
    }
    reading.card.number = static_cast<int>(input.byte() % 16) - 4;
    c.pictureIndex = input.byte() % kPictures.size();
    reading.card.picture = kPictures[c.pictureIndex];
    reading.card.indonesian = input.text(input.byte() % 32);
    reading.card.english = input.text(input.byte() % 32);
    while (input.remaining() > 0 && reading.lines.size() < kMostLines) {
        const std::uint8_t form = input.byte();
        const std::size_t length = input.byte() * ((form & 4) ? 16u : 1u);
        reading.lines.push_back(
            {input.text(length), (form & 1) ? Language::English : Language::Indonesian, (form & 2) != 0});
    }
    return c;
}

void checkEncoded(const ReadingDocument& document, DocumentFormat format, const std::string& plain)
{
    // Nothing here runs short of memory: the file must come out whole.
    const Encoded bytes = document.encoded(format);
    if (!bytes.ok() || bytes.value().isEmpty())
        std::abort();
    if (format == DocumentFormat::Pdf && !wholePdf(bytes.value()))
        std::abort();
    if (format == DocumentFormat::Text && bytes.value().toStdString() != plain)
        std::abort();
}

void checkDocument(const ReadingDocument& document, std::optional<DocumentFormat> encode)
{
    const Reading& reading = document.reading();
    const QString shown = withoutBreaks(document.document().toPlainText());
    const std::string plain = readingPlainText(reading);
    for (const ReadingLine& line : reading.lines) {
        if (plain.find(line.text) == std::string::npos)
            std::abort();
        if (isGoodText(line.text) && !shown.contains(withoutBreaks(QString::fromStdString(line.text))))
            std::abort();
    }
    const FileResult<QString> page = document.html();
    if (!page.ok() || page.value().isEmpty())
        std::abort();
    if (encode)
        checkEncoded(document, *encode, plain);
}

}  // namespace

// Fontconfig keeps what it learns of a font for the whole process and frees
// part of it never; the leak check after each input must not count that
// (tests/lsan.supp says the same for the suite).
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ensureApplication();
    fuzz::FuzzInput input(data, size);
    Case c = caseFrom(input);
    if (size > kEncodeAtMost)
        c.encode.reset();
    const bool cardShown = c.reading.card.number != 0;
    try {
        const ReadingDocument document(std::move(c.reading));
        checkDocument(document, c.encode);
    } catch (const PictureError&) {
        if (!cardShown || c.pictureIndex < kShippedPictures)
            std::abort();
    }
    return 0;
}
