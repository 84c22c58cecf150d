#include "common/look.h"

#include <QPalette>
#include <QWidget>

namespace temparoka {

QFont pixelFont(int pixels, bool bold, const QString& family)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void paintWhiteOnBlack(QWidget* widget, int pixels, bool bold)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::Button, Qt::black);  // buttons fill their background with it
    palette.setColor(QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Light, QColor(110, 110, 110));
    palette.setColor(QPalette::Midlight, QColor(80, 80, 80));
    palette.setColor(QPalette::Dark, QColor(30, 30, 30));
    palette.setColor(QPalette::Mid, QColor(50, 50, 50));
    palette.setColor(QPalette::Shadow, QColor(10, 10, 10));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    widget->setFont(pixelFont(pixels, bold));
}

void paintDarkButton(QWidget* button, int pixels, bool bold)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, QColor(58, 26, 30));
    palette.setColor(QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Window, Qt::black);
    button->setPalette(palette);
    button->setFont(pixelFont(pixels, bold));
}

}  // namespace temparoka
