#include "ui/shared/picturebox.h"

#include "files/jpeg.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace temparoka {

namespace {

// What a screen reader is told of a picture: one that can take the focus
// (a card) is a button that can be pressed; any other is a graphic, and a
// graphic without a name is decoration that readers pass over.
class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(PictureBox* box)
        : QAccessibleWidget(box, box->focusPolicy() == Qt::NoFocus ? QAccessible::Graphic : QAccessible::Button)
    {}

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (role() == QAccessible::Button)
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& name) override
    {
        if (role() != QAccessible::Button || name != pressAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        // The screen reader waits for this call to return, and a card's
        // click opens the reading's modal window: the press returns at once
        // and the click runs from the event loop, where it still has to be
        // one a mouse could make (the picture on show, no other window
        // modal over it).
        auto* box = static_cast<PictureBox*>(widget());
        QMetaObject::invokeMethod(
            box,
            [box] {
                const QWidget* modal = QApplication::activeModalWidget();
                if (box->isVisible() && box->isEnabled() && (!modal || modal == box->window()))
                    emit box->clicked();
            },
            Qt::QueuedConnection);
    }
};

QAccessibleInterface* pictureAccessible(const QString&, QObject* object)
{
    if (auto* box = qobject_cast<PictureBox*>(object))
        return new PictureAccessible(box);
    return nullptr;
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    static const bool accessibleInstalled = (QAccessible::installFactory(pictureAccessible), true);
    (void)accessibleInstalled;
    // Transparent where there is no picture, like a graphic control.
    setAttribute(Qt::WA_NoSystemBackground);
}

const QImage& PictureBox::picture() const
{
    if (m_pending) {
        m_pending = false;
        m_picture = loadPicture(m_source);
    }
    return m_picture;
}

void PictureBox::setPicture(const QImage& picture)
{
    m_pending = false;
    m_source.clear();
    m_picture = picture;
    fitToPicture();
    update();
}

void PictureBox::setPictureOnShow(const QString& resourcePath)
{
    m_picture = QImage();
    m_source = resourcePath;
    m_pending = true;
    if (isVisible())
        fitToPicture();
    update();
}

void PictureBox::showEvent(QShowEvent* event)
{
    fitToPicture();
    QWidget::showEvent(event);
}

void PictureBox::setAutoSize(bool on)
{
    m_autoSize = on;
    fitToPicture();
}

void PictureBox::setStretch(bool on)
{
    m_stretch = on;
    update();
}

QSize PictureBox::sizeHint() const
{
    return picture().isNull() ? QWidget::sizeHint() : picture().deviceIndependentSize().toSize();
}

void PictureBox::fitToPicture()
{
    if (m_autoSize && !picture().isNull())
        resize(picture().deviceIndependentSize().toSize());
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (picture().isNull())
        return;
    QPainter painter(this);
    // A picture drawn for another pixel ratio than the screen's (the 2x set
    // at 150 % scaling, or at 100 % on a second screen) is resampled, never
    // sampled pixel by pixel, which would make it grainy.
    if (m_stretch || m_picture.devicePixelRatio() != devicePixelRatioF())
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_stretch)
        painter.drawImage(rect(), m_picture);
    else
        painter.drawImage(0, 0, m_picture);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

}  // namespace temparoka
