#include "output/pngwriter.h"

#include <QImage>

#include <csetjmp>
#include <cstring>
#include <new>
#include <png.h>

namespace temparoka {

namespace {

// Where the bytes go and, when libpng gives up, why.
struct Writing {
    QByteArray* bytes;
    char problem[200];
};

// The picture's rows as libpng reads them: plain values, because they live
// across the setjmp in writeRows.
struct Rows {
    const uchar* first;
    qsizetype stride;
    png_uint_32 width;
    png_uint_32 height;
    bool alpha;
    png_uint_32 dotsPerMetreX;
    png_uint_32 dotsPerMetreY;
};

// libpng reports an error through a callback that must not return: we keep
// its words and jump back into writeRows.
[[noreturn]] void onError(png_structp png, png_const_charp message)
{
    auto* writing = static_cast<Writing*>(png_get_error_ptr(png));
    std::strncpy(writing->problem, message, sizeof writing->problem - 1);
    writing->problem[sizeof writing->problem - 1] = '\0';
    png_longjmp(png, 1);
}

// A warning that matters is followed by an error, and the error is what the
// reader is told; the rest would only go to the terminal.
void onWarning(png_structp, png_const_charp) {}

void appendBytes(png_structp png, png_bytep data, size_t length)
{
    auto* writing = static_cast<Writing*>(png_get_io_ptr(png));
    bool stored = true;
    try {
        writing->bytes->append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(length));
    } catch (const std::bad_alloc&) {
        stored = false;
    }
    // Outside the handler: the jump must leave nothing behind to unwind.
    if (!stored)
        png_error(png, "Out of memory");
}

// The bytes are in memory: there is nothing to flush. Without this libpng
// would take its output for a C file and flush that.
void flushNothing(png_structp) {}

// Returns false with the Writing's problem filled when libpng gave up.
// Nothing with a destructor may live here: libpng leaves by longjmp.
bool writeRows(png_structp png, png_infop info, const Rows& rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_IHDR(png, info, rows.width, rows.height, 8, rows.alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (rows.dotsPerMetreX > 0 && rows.dotsPerMetreY > 0)
        png_set_pHYs(png, info, rows.dotsPerMetreX, rows.dotsPerMetreY, PNG_RESOLUTION_METER);
    // Most of a reading is rows of white and rows of the same few colours:
    // unfiltered rows compress at zlib's quickest level a little smaller
    // than libpng's choice of filter per row at its default level, in a
    // quarter of the time (docs/performance.md has the figures). A card's
    // face, a photograph, comes out a tenth larger; it is small.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, 1);
    png_write_info(png, info);
    for (png_uint_32 y = 0; y < rows.height; ++y)
        png_write_row(png, rows.first + y * rows.stride);
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

FileResult<QByteArray> encodePng(const QImage& picture)
{
    const bool alpha = picture.hasAlphaChannel();
    // Bytes in PNG's own order, whatever the machine's: rows go to libpng
    // as they are. A reading's picture is drawn in RGB888 already.
    const QImage::Format format = alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888;
    const QImage pixels = picture.format() == format ? picture : picture.convertToFormat(format);
    if (pixels.isNull() && !picture.isNull())
        return Failure{"Out of memory"};
    const Rows rows{pixels.constBits(),
                    pixels.bytesPerLine(),
                    static_cast<png_uint_32>(pixels.width()),
                    static_cast<png_uint_32>(pixels.height()),
                    alpha,
                    static_cast<png_uint_32>(qMax(0, pixels.dotsPerMeterX())),
                    static_cast<png_uint_32>(qMax(0, pixels.dotsPerMeterY()))};

    QByteArray bytes;
    Writing writing{&bytes, {}};
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &writing, onError, onWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return Failure{"Out of memory"};
    }
    png_set_write_fn(png, &writing, appendBytes, flushNothing);
    const bool written = writeRows(png, info, rows);
    png_destroy_write_struct(&png, &info);
    if (!written)
        return Failure{writing.problem};
    return bytes;
}

}  // namespace temparoka
