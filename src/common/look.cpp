#include "common/look.h"

#include "common/jpeg.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>
#include <QStyle>
#include <QTextDocumentFragment>
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

namespace {

// Room for the caption and the caption itself, or -1 for a widget without one.
std::pair<int, QString> captionRoom(QWidget* widget)
{
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        const QStyle* style = widget->style();
        return {widget->width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget)
                    - style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, widget) - 2,
                box->text()};
    }
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        const QStyle* style = widget->style();
        return {widget->width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, widget)
                    - style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, widget) - 2,
                radio->text()};
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget))
        return {widget->width() - 16, group->title()};
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        // A link is measured by what it shows, not by its markup; a label
        // that wraps has its lines to fill instead.
        if (label->wordWrap())
            return {-1, QString()};
        const bool rich = label->textFormat() == Qt::RichText
                          || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
        return {widget->width(),
                rich ? QTextDocumentFragment::fromHtml(label->text()).toPlainText() : label->text()};
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return {widget->width() - 12, button->text()};
    return {-1, QString()};
}

}  // namespace

void fitCaption(QWidget* widget, int minimumPixels)
{
    const auto [room, caption] = captionRoom(widget);
    if (room < 0)
        return;
    QString shown = caption;
    shown.remove(QLatin1Char('&'));
    QFont font = widget->font();
    while (font.pixelSize() > minimumPixels && QFontMetrics(font).horizontalAdvance(shown) > room)
        font.setPixelSize(font.pixelSize() - 1);
    widget->setFont(font);
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

void fixDialogSize(QDialog* dialog, const QSize& client)
{
    dialog->setFixedSize(client);
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

}  // namespace temparoka
