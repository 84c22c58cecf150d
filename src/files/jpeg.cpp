#include "files/jpeg.h"

#include "core/errors.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>

#include <csetjmp>
#include <cstdio>
#include <future>
#include <jpeglib.h>
#include <mutex>
#include <png.h>

namespace temparoka {

namespace {

constexpr JDIMENSION kMaxSide = 8192;

// libjpeg reports errors through a callback that must not return; we jump
// back to decodeJpeg with the message saved. Nothing with a destructor may
// live across the setjmp, so the decoding itself is plain C-style code.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jumpBack;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    info->err->format_message(info, manager->message);
    std::longjmp(manager->jumpBack, 1);
}

// Warnings (level -1) mean a damaged file; we treat the first as an error.
// Trace messages (levels 0 and up) are ignored.
void onMessage(j_common_ptr info, int level)
{
    if (level < 0)
        onError(info);
}

// Returns false with manager.message filled when libjpeg gave up.
bool decodeInto(const unsigned char* data, unsigned long size, ErrorManager& manager, jpeg_decompress_struct& info,
                QImage* image)
{
    if (setjmp(manager.jumpBack)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    // A damaged header can announce a picture of gigabytes; ours are small.
    if (info.image_width > kMaxSide || info.image_height > kMaxSide) {
        std::snprintf(manager.message, sizeof manager.message, "Picture too large (%u x %u)", info.image_width,
                      info.image_height);
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_EXT_BGRX;  // QImage::Format_RGB32 on little-endian
    jpeg_start_decompress(&info);
    *image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB32);
    if (image->isNull()) {
        std::snprintf(manager.message, sizeof manager.message, "Picture too large (%u x %u)", info.output_width,
                      info.output_height);
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

QImage decodeJpeg(const QByteArray& bytes)
{
    ErrorManager manager{};
    jpeg_decompress_struct info{};
    info.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = onError;
    manager.base.emit_message = onMessage;

    QImage image;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    if (!decodeInto(data, static_cast<unsigned long>(bytes.size()), manager, info, &image))
        throw PictureError(manager.message);
    return image;
}

QImage decodePng(const QByteArray& bytes)
{
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.constData(), static_cast<std::size_t>(bytes.size())))
        throw PictureError(png.message);
    // Blue, green, red, alpha in memory: a 32-bit ARGB value on this
    // little-endian machine, as QImage keeps it.
    png.format = PNG_FORMAT_BGRA;
    QImage image(static_cast<int>(png.width), static_cast<int>(png.height), QImage::Format_ARGB32);
    if (image.isNull()) {
        png_image_free(&png);
        throw PictureError("there is not enough memory for the picture");
    }
    if (!png_image_finish_read(&png, nullptr, image.bits(), static_cast<png_int_32>(image.bytesPerLine()), nullptr))
        throw PictureError(png.message);
    return image;
}

namespace {

QImage decodePicture(const QString& resourcePath)
{
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        throw PictureError("Cannot read picture " + resourcePath.toStdString());
    const QByteArray bytes = file.readAll();
    if (resourcePath.endsWith(".jpg", Qt::CaseInsensitive))
        return decodeJpeg(bytes);
    return decodePng(bytes);
}

}  // namespace

QString doubleSizePath(const QString& resourcePath)
{
    const qsizetype dot = resourcePath.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = resourcePath.lastIndexOf(QLatin1Char('/'));
    if (dot <= slash)
        return resourcePath + QStringLiteral("@2x");
    return resourcePath.left(dot) + QStringLiteral("@2x") + resourcePath.mid(dot);
}

QImage loadPicture(const QString& resourcePath, double pixelRatio)
{
    // Each picture is decoded once: the windows that show the same icon,
    // and a dialog that shows another's picture, share its pixels. The start
    // decodes the first window's pictures on a second thread while the main
    // thread makes the windows; a picture asked for while the other thread
    // decodes it is waited for, not decoded twice, and the store is locked
    // only to look up, so one picture's decoding never holds up another's.
    static std::mutex guard;
    static QHash<QString, std::shared_future<QImage>> decoded;
    QString path = resourcePath;
    if (pixelRatio > 1.0 && QFile::exists(doubleSizePath(resourcePath)))
        path = doubleSizePath(resourcePath);
    std::promise<QImage> ours;
    std::shared_future<QImage> picture;
    bool decodeHere = false;
    {
        const std::lock_guard<std::mutex> lock(guard);
        if (const auto known = decoded.constFind(path); known != decoded.constEnd()) {
            picture = *known;
        } else {
            picture = ours.get_future().share();
            decoded.insert(path, picture);
            decodeHere = true;
        }
    }
    if (!decodeHere)
        return picture.get();
    try {
        QImage image = decodePicture(path);
        if (path != resourcePath)
            image.setDevicePixelRatio(2.0);
        ours.set_value(image);
    } catch (...) {
        // Not kept: whoever waits gets the same error, and a later call tries
        // again.
        ours.set_exception(std::current_exception());
        const std::lock_guard<std::mutex> lock(guard);
        decoded.remove(path);
    }
    return picture.get();
}

QImage loadPicture(const QString& resourcePath)
{
    return loadPicture(resourcePath, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
}

}  // namespace temparoka
