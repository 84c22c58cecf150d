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

// Reads a compiled-in picture (":/pictures/...") and decodes it: JPEG through
// decodeJpeg, anything else (the PNG icons) through Qt.
QImage loadPicture(const QString& resourcePath);

}  // namespace temparoka
