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

    // The picture; one given by its resource is decoded now if it is not yet.
    const QImage& picture() const;
    void setPicture(const QImage& picture);
    // The picture of a resource, decoded the first time it is needed: when
    // the box is first shown, or asked for its picture or its size. A window
    // that starts hidden, and may never be opened, spends nothing on it at
    // start-up.
    void setPictureOnShow(const QString& resourcePath);
    // The resource setPictureOnShow named, for another box to show the same.
    const QString& pictureSource() const { return m_source; }

    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    bool stretch() const { return m_stretch; }
    void setStretch(bool on);

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fitToPicture();

    mutable QImage m_picture;
    QString m_source;
    mutable bool m_pending = false;
    bool m_autoSize = false;
    bool m_stretch = false;
    bool m_pressed = false;
};

}  // namespace temparoka
