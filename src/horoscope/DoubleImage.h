#pragma once
// A two-sided picture: it shows Picture and keeps a second one, Flipside,
// that Flip swaps in. The cards of the draw show their back as Picture and
// keep their face as Flipside. Pictures are values: setting Flipside copies
// the caller's picture, and later changes to that picture do not reach us.
// A card can be taken by keyboard: it takes the focus (Tab, Shift+Tab and
// the arrow keys move between the cards), shows a golden frame while it has
// it, and Space or Enter on it does what a click does.

#include "common/picturebox.h"

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
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QImage m_flipside;
    QString m_flipName;
    QString m_flipDescription;
};

}  // namespace temparoka
