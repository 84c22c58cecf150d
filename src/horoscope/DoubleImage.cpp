#include "horoscope/DoubleImage.h"

#include <utility>

namespace temparoka {

TDoubleImage::TDoubleImage(QWidget* parent) : PictureBox(parent) {}

void TDoubleImage::setFlipside(const QImage& face)
{
    m_flipside = face;
}

void TDoubleImage::Flip()
{
    QImage shown = picture();
    setPicture(std::exchange(m_flipside, std::move(shown)));
}

}  // namespace temparoka
