#pragma once
// JPEG pictures are decoded by libjpeg, straight from the resource bytes.
// A picture either decodes completely or not at all: any libjpeg error, and
// any warning (a truncated file decodes with only a warning), is raised as
// a PictureError carrying libjpeg's own message.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace temparoka {

QImage decodeJpeg(const QByteArray& bytes);

// PNG pictures (the icons) by libpng's own simple reader, into 32-bit ARGB:
// Qt's reader would first look through its image plugins, which costs
// start-up more than the icons' decoding itself. A damaged picture raises a
// PictureError with libpng's message.
QImage decodePng(const QByteArray& bytes);

// Reads a compiled-in picture (":/pictures/...") and decodes it: JPEG through
// decodeJpeg, anything else (the PNG icons) through decodePng. At a pixel ratio
// above 1 it takes the picture drawn at twice the size ("name@2x.jpg")
// where there is one, marked with a device pixel ratio of 2 so that it
// paints at the 1x picture's size in device-independent pixels; at ratio 1
// the 2x set is never read. Each picture is decoded once in a process;
// later calls share its pixels.
QImage loadPicture(const QString& resourcePath, double pixelRatio);

// The same for the screens the program runs on now: the highest pixel
// ratio among them, so that a window moved to the densest screen stays sharp.
QImage loadPicture(const QString& resourcePath);

// Where the twice-size drawing of a picture lies: "a/b.jpg" -> "a/b@2x.jpg".
QString doubleSizePath(const QString& resourcePath);

}  // namespace temparoka
