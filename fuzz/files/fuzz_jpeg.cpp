// JPEG bytes -> the decoder. Whatever the bytes, the decoder returns a whole
// picture or raises PictureError; it never crashes, reads out of bounds or
// returns a picture of another size than the header announced.

#include "core/errors.h"
#include "files/jpeg.h"

#include <QByteArray>

#include <cstdlib>

using namespace temparoka;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Pictures beyond this are refused by the decoder's own size check
    // through QImage; keep the fuzzer from spending its time on huge ones.
    if (size > 64 * 1024)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const QImage image = decodeJpeg(bytes);
        if (image.isNull() || image.width() <= 0 || image.height() <= 0)
            std::abort();
    } catch (const PictureError&) {
    }
    return 0;
}
