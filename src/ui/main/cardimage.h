#pragma once
// A two-sided picture: it shows Picture and keeps a second one, Flipside,
// that Flip swaps in. The cards of the draw show their back as Picture and
// keep their face as Flipside. Pictures are values: setting Flipside copies
// the caller's picture, and later changes to that picture do not reach us.
// A card can be taken by keyboard: it takes the focus (Tab, Shift+Tab and
// the arrow keys move between the cards), and Space or Enter on it does
// what a click does. The golden frame that shows which card has the focus
// is CardFocusFrame's, above all the cards.

#include "ui/shared/picturebox.h"

#include <QPointer>

#include <span>
#include <vector>

namespace temparoka {

class TDoubleImage : public PictureBox {
    Q_OBJECT

public:
    explicit TDoubleImage(QWidget* parent = nullptr);

    const QImage& Picture() const { return picture(); }
    void setPicture(const QImage& picture) { PictureBox::setPicture(picture); }
    const QImage& Flipside() const { return m_flipside; }
    void setFlipside(const QImage& face);

    // Swaps the shown picture and the flip side; the control shows the new
    // picture (and takes its size with autoSize) from its next repaint.
    void Flip();

    // What a screen reader calls each side (name and description); the
    // shown side's go with it when the card flips.
    void setSideNames(const QString& shownName, const QString& shownDescription, const QString& flipName,
                      const QString& flipDescription);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage m_flipside;
    QString m_flipName;
    QString m_flipDescription;
};

// The golden frame around the card that has the focus. The cards may
// overlap, so a frame drawn by the card itself would be half hidden under
// a card dealt later; this one lies above all of them, lets the mouse
// through to the cards beneath and takes no focus. A reader who dealt the
// cards with the mouse likely takes one with it too and has no use for the
// frame: after such a deal it shows only once the reader has moved between
// the cards by key (Tab, Shift+Tab or an arrow). After a deal by keys it
// shows at once.
class CardFocusFrame : public QWidget {
    Q_OBJECT

public:
    // The frame of these cards (which share one parent), made on first use.
    static CardFocusFrame* of(std::span<TDoubleImage* const> cards);

    // A new deal. Dealt by keys, the frame follows the focus from the start;
    // else not until the reader moves between the cards by key.
    void startDeal(bool byKeys);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    explicit CardFocusFrame(std::span<TDoubleImage* const> cards);
    // Over the focused card, on top, or hidden.
    void follow();

    std::vector<QPointer<TDoubleImage>> m_cards;
    bool m_keysInUse = false;
};

}  // namespace temparoka
