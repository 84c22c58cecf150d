#include "export/pngwriter.h"

#include <QImage>
#include <QtEndian>

#include <functional>
#include <new>
#include <system_error>
#include <thread>
#include <zlib.h>

namespace temparoka {

namespace {

constexpr char kOutOfMemory[] = "Out of memory";

// Half of the picture's rows, compressed on their own as raw deflate: the
// first half ends on a byte boundary without ending the stream (a sync
// flush), so that the second half's blocks follow it in the same stream.
struct Half {
    const QImage* pixels;
    int firstRow;
    int endRow;
    bool last;
    QByteArray deflated;
    uLong adler = 0;
    const char* problem = nullptr;
};

constexpr char kCompressorFailed[] = "the compressor failed";

// Deflates what the stream has been given into out, which grows as needed;
// afterwards stream.total_out bytes of it are used. False when zlib refuses
// (a damaged stream): the picture would be broken, so it is not made.
// Z_BUF_ERROR only says that there was nothing more to do.
bool deflateInto(z_stream& stream, QByteArray& out, int flush)
{
    int result = Z_OK;
    do {
        if (stream.avail_out == 0) {
            out.resize(out.size() * 2);
            stream.next_out = reinterpret_cast<Bytef*>(out.data()) + stream.total_out;
            stream.avail_out = static_cast<uInt>(out.size() - static_cast<qsizetype>(stream.total_out));
        }
        result = deflate(&stream, flush);
        if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR)
            return false;
    } while (stream.avail_out == 0);
    // The last half must end the stream, and every byte given must be taken.
    return stream.avail_in == 0 && (flush != Z_FINISH || result == Z_STREAM_END);
}

void compress(Half& half) noexcept
{
    z_stream stream{};
    // Most of a reading is rows of white and rows of the same few colours:
    // unfiltered rows at zlib's quickest level come out a little smaller
    // than libpng's choice of filter per row at its default level, in a
    // quarter of the time (docs/performance.md has the figures). A card's
    // face, a photograph, comes out a tenth larger; it is small.
    if (deflateInit2(&stream, 1, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        half.problem = kOutOfMemory;
        return;
    }
    const QImage& pixels = *half.pixels;
    const auto rowBytes = static_cast<uInt>(pixels.width() * pixels.depth() / 8);
    static const Bytef kUnfiltered = 0;
    half.adler = adler32(0, nullptr, 0);
    try {
        half.deflated.resize(qMax<qsizetype>(4096, qsizetype(rowBytes) * (half.endRow - half.firstRow) / 8));
        stream.next_out = reinterpret_cast<Bytef*>(half.deflated.data());
        stream.avail_out = static_cast<uInt>(half.deflated.size());
        bool deflated = true;
        for (int y = half.firstRow; y < half.endRow && deflated; ++y) {
            // Each row is its filter's number, then its bytes.
            stream.next_in = const_cast<Bytef*>(&kUnfiltered);
            stream.avail_in = 1;
            deflated = deflateInto(stream, half.deflated, Z_NO_FLUSH);
            stream.next_in = const_cast<Bytef*>(pixels.constScanLine(y));
            stream.avail_in = rowBytes;
            deflated = deflated && deflateInto(stream, half.deflated, Z_NO_FLUSH);
            half.adler = adler32(half.adler, &kUnfiltered, 1);
            half.adler = adler32(half.adler, pixels.constScanLine(y), rowBytes);
        }
        deflated = deflated && deflateInto(stream, half.deflated, half.last ? Z_FINISH : Z_SYNC_FLUSH);
        if (deflated)
            half.deflated.resize(static_cast<qsizetype>(stream.total_out));
        else
            half.problem = kCompressorFailed;
    } catch (const std::bad_alloc&) {
        half.problem = kOutOfMemory;
    }
    deflateEnd(&stream);
}

void appendBigEndian(QByteArray& bytes, quint32 value)
{
    char word[4];
    qToBigEndian(value, word);
    bytes.append(word, 4);
}

// A chunk: its length, its type, its data and the checksum of type and data.
void appendChunk(QByteArray& png, const char (&type)[5], const char* data, qsizetype length)
{
    appendBigEndian(png, static_cast<quint32>(length));
    png.append(type, 4);
    png.append(data, length);
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(type), 4);
    crc = crc32(crc, reinterpret_cast<const Bytef*>(data), static_cast<uInt>(length));
    appendBigEndian(png, static_cast<quint32>(crc));
}

}  // namespace

FileResult<QByteArray> encodePng(const QImage& picture)
{
    if (picture.isNull())
        return Failure{"there is no picture"};
    const bool alpha = picture.hasAlphaChannel();
    // Bytes in PNG's own order, whatever the machine's: rows are compressed
    // as they are. A reading's picture is drawn in RGB888 already.
    const QImage::Format format = alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888;
    const QImage pixels = picture.format() == format ? picture : picture.convertToFormat(format);
    if (pixels.isNull())
        return Failure{kOutOfMemory};

    // zlib compresses on one core: the two halves of the rows go to two.
    // A half loses only what it could have matched in the other.
    const int middle = pixels.height() / 2;
    Half halves[] = {{&pixels, 0, middle, false, {}}, {&pixels, middle, pixels.height(), true, {}}};
    std::thread second;
    try {
        second = std::thread(compress, std::ref(halves[1]));
    } catch (const std::system_error&) {
        // No thread to be had: the second half follows on this one.
    }
    compress(halves[0]);
    if (second.joinable())
        second.join();
    else
        compress(halves[1]);
    for (const Half& half : halves)
        if (half.problem)
            return Failure{half.problem};

    try {
        // The zlib stream: its header (deflate, 32 KB window, quickest),
        // the halves' blocks, and the checksum of all the rows.
        QByteArray stream("\x78\x01", 2);
        stream += halves[0].deflated;
        stream += halves[1].deflated;
        const auto secondLength =
            static_cast<z_off_t>(pixels.height() - middle) * (1 + pixels.width() * pixels.depth() / 8);
        appendBigEndian(stream, static_cast<quint32>(adler32_combine(halves[0].adler, halves[1].adler, secondLength)));

        QByteArray png("\x89PNG\r\n\x1a\n", 8);
        char header[13];
        qToBigEndian(static_cast<quint32>(pixels.width()), header);
        qToBigEndian(static_cast<quint32>(pixels.height()), header + 4);
        // 8 bits a channel, RGB (2) or RGBA (6); then deflate, filters
        // chosen by row, no interlacing: the only methods there are.
        header[8] = 8;
        header[9] = alpha ? 6 : 2;
        header[10] = header[11] = header[12] = 0;
        appendChunk(png, "IHDR", header, 13);
        if (pixels.dotsPerMeterX() > 0 && pixels.dotsPerMeterY() > 0) {
            // Dots per metre across and down, then 1: the unit is the metre.
            char resolution[9];
            qToBigEndian(static_cast<quint32>(pixels.dotsPerMeterX()), resolution);
            qToBigEndian(static_cast<quint32>(pixels.dotsPerMeterY()), resolution + 4);
            resolution[8] = 1;
            appendChunk(png, "pHYs", resolution, 9);
        }
        // In chunks of 1 MB, well within what a chunk may hold.
        constexpr qsizetype kChunk = 1 << 20;
        for (qsizetype at = 0; at < stream.size(); at += kChunk)
            appendChunk(png, "IDAT", stream.constData() + at, qMin(kChunk, stream.size() - at));
        appendChunk(png, "IEND", "", 0);
        return png;
    } catch (const std::bad_alloc&) {
        return Failure{kOutOfMemory};
    }
}

}  // namespace temparoka
