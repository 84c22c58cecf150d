#include "ui/main/cardimage.h"

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

CardFocusFrame* CardFocusFrame::of(std::span<TDoubleImage* const> cards)
{
    QWidget* stage = cards.front()->parentWidget();
    if (auto* frame = stage->findChild<CardFocusFrame*>(QString(), Qt::FindDirectChildrenOnly))
        return frame;
    return new CardFocusFrame(cards);
}

CardFocusFrame::CardFocusFrame(std::span<TDoubleImage* const> cards) : QWidget(cards.front()->parentWidget())
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    for (TDoubleImage* card : cards) {
        m_cards.emplace_back(card);
        card->installEventFilter(this);
    }
}

void CardFocusFrame::startDeal(bool byKeys)
{
    m_keysInUse = byKeys;
    follow();
}

bool CardFocusFrame::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        // Seen before the card moves the focus, so the frame is there when
        // the next card takes it.
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            m_keysInUse = true;
            break;
        default:
            break;
        }
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        follow();
        break;
    default:
        break;
    }
    return false;
}

void CardFocusFrame::follow()
{
    TDoubleImage* focused = nullptr;
    for (const QPointer<TDoubleImage>& card : m_cards)
        if (card && card->isVisible() && card->hasFocus())
            focused = card;
    if (!m_keysInUse || !focused) {
        hide();
        return;
    }
    setGeometry(focused->geometry());
    raise();
    show();
    update();
}

void CardFocusFrame::paintEvent(QPaintEvent*)
{
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

}  // namespace temparoka
