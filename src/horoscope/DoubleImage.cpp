#include "horoscope/DoubleImage.h"

#include <QKeyEvent>
#include <QPainter>

#include <utility>

namespace temparoka {

TDoubleImage::TDoubleImage(QWidget* parent) : PictureBox(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void TDoubleImage::setFlipside(const QImage& face)
{
    m_flipside = face;
}

void TDoubleImage::Flip()
{
    QImage shown = picture();
    setPicture(std::exchange(m_flipside, std::move(shown)));
    setAccessibleName(std::exchange(m_flipName, accessibleName()));
    setAccessibleDescription(std::exchange(m_flipDescription, accessibleDescription()));
}

void TDoubleImage::setSideNames(const QString& shownName, const QString& shownDescription, const QString& flipName,
                                const QString& flipDescription)
{
    setAccessibleName(shownName);
    setAccessibleDescription(shownDescription);
    m_flipName = flipName;
    m_flipDescription = flipDescription;
}

void TDoubleImage::paintEvent(QPaintEvent* event)
{
    PictureBox::paintEvent(event);
    if (!hasFocus())
        return;
    // A gilded frame inside the card's edge, like the gold of its back,
    // with a dark line on either side so that it stands out on the gold
    // and on the white faces alike.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(60, 30, 10), 5));
    painter.drawRoundedRect(frame, 4, 4);
    painter.setPen(QPen(QColor(255, 204, 64), 3));
    painter.drawRoundedRect(frame, 4, 4);
}

void TDoubleImage::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            emit clicked();
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        focusNextChild();
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        focusPreviousChild();
        break;
    default:
        PictureBox::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TDoubleImage::focusInEvent(QFocusEvent* event)
{
    PictureBox::focusInEvent(event);
    update();
}

void TDoubleImage::focusOutEvent(QFocusEvent* event)
{
    PictureBox::focusOutEvent(event);
    update();
}

}  // namespace temparoka
