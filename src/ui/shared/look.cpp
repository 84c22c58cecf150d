#include "ui/shared/look.h"

#include "files/jpeg.h"
#include "ui/shared/captionfit.h"

#include <QDialog>
#include <QGuiApplication>
#include <QPalette>
#include <QTextEdit>
#include <QWidget>

namespace temparoka {

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

void fitCaption(QWidget* widget, int minimumPixels)
{
    const auto fits = [widget](const QFont& font) { return captionSize(widget, font).width() <= widget->width(); };
    widget->setFont(shrunkToFit(widget->font(), minimumPixels, fits));
}

void paintWhiteCaption(QWidget* label, int pixels, bool bold)
{
    paintWhiteOnBlack(label, pixels, bold);
    label->setAutoFillBackground(false);
}

void paintBlackBackground(QWidget* window)
{
    QPalette black = window->palette();
    black.setColor(QPalette::Window, Qt::black);
    window->setPalette(black);
    window->setAutoFillBackground(true);
}

double desktopFontScale(const QWidget* window)
{
    constexpr double kDrawnForPixels = 12.0;
    const QFont font = window->font();
    const double pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * window->logicalDpiY() / 72.0;
    return pixels > 0 ? pixels / kDrawnForPixels : 1.0;
}

void fixDialogSize(QDialog* dialog)
{
    dialog->setFixedSize(dialog->size());
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

QIcon pictureIcon(const QStringList& resourcePaths)
{
    QIcon icon;
    const bool dense = qGuiApp->devicePixelRatio() > 1.0;
    for (const QString& path : resourcePaths) {
        icon.addPixmap(QPixmap::fromImage(loadPicture(path, 1.0)));
        if (!dense)
            continue;
        if (const QImage sharp = loadPicture(path, 2.0); sharp.devicePixelRatio() > 1.0)
            icon.addPixmap(QPixmap::fromImage(sharp));
    }
    return icon;
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

void showAsReading(QTextEdit* view)
{
    view->setFont(readingFont());
    QPalette paper = view->palette();
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    view->setPalette(paper);
}

}  // namespace temparoka
