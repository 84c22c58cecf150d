#pragma once
// A picture as PNG bytes in memory, written here so that we choose how it
// is compressed: a reading is text on white, which compresses best left
// unfiltered and needs only zlib's quickest level, and the two halves of
// its rows are compressed on two cores. Qt's writer let libpng try every
// filter on every row, which took several times longer than drawing the
// picture and made a reading's picture no smaller.

#include "files/nativefile.h"

#include <QByteArray>

class QImage;

namespace temparoka {

// 8 bits a channel, RGB, or RGBA for a picture with an alpha channel; its
// resolution as the picture's dots per metre say. A failure ("Out of
// memory") leaves no bytes behind.
FileResult<QByteArray> encodePng(const QImage& picture);

}  // namespace temparoka
