#pragma once
// An image control: paints its picture from the top-left corner, clipped to
// its own area, or stretched over it. With autoSize it takes the picture's
// size whenever the picture changes. A click (press and release inside)
// emits clicked(), as the cards need.

#include <QImage>
#include <QWidget>

namespace temparoka {

class PictureBox : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(bool stretch READ stretch WRITE setStretch)

public:
    explicit PictureBox(QWidget* parent = nullptr);

    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& picture);

    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    bool stretch() const { return m_stretch; }
    void setStretch(bool on);

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fitToPicture();

    QImage m_picture;
    bool m_autoSize = false;
    bool m_stretch = false;
    bool m_pressed = false;
};

}  // namespace temparoka
