#pragma once
// The program's look in code: fonts in pixels (the .ui format knows only
// points, and the fixed control places need exact pixel sizes) and the
// white-on-black captions that sit on the night-sky pictures.

#include "export/readinglook.h"

#include <QFont>
#include <QIcon>
#include <QSize>
#include <QString>
#include <QStringList>

class QDialog;
class QTextEdit;
class QWidget;

namespace temparoka {

// White text on black for a label, check box, radio group or panel and,
// for check boxes and radio buttons, a white box with a black mark.
void paintWhiteOnBlack(QWidget* widget, int pixels, bool bold = false);

// Shrinks the widget's font, a pixel at a time down to a floor, until its
// caption fits its fixed width: the free fonts we draw with run wider than
// the ones the places were laid out for, and a clipped caption looks broken.
void fitCaption(QWidget* widget, int minimumPixels = 10);

// A caption that sits straight on a picture: white text, no box around it.
void paintWhiteCaption(QWidget* label, int pixels, bool bold = false);

// A black window background, for the windows whose picture fills them.
void paintBlackBackground(QWidget* window);

// How much larger than the look was drawn for the desktop's font is: the
// look's pixel sizes go with Qt's own default of 9 points, 12 pixels on an
// ordinary screen. For the windows laid out by Qt's layouts, whose sizes
// follow their fonts.
double desktopFontScale(const QWidget* window);

// A dialog kept at the size its definition gave it (setupUi applies it, so
// call this right after), without a help button.
void fixDialogSize(QDialog* dialog);

// A window or button icon from compiled-in pictures, one per size. On a
// dense screen each also brings its twice-size drawing, which the icon
// picks wherever it is shown at a pixel ratio of 2.
QIcon pictureIcon(const QStringList& resourcePaths);
inline QIcon pictureIcon(const QString& resourcePath)
{
    return pictureIcon(QStringList{resourcePath});
}

// Gives a view the reading's font and black-on-white paper, whatever the
// desktop theme: the colours carry the languages.
void showAsReading(QTextEdit* view);

// A dark button with white text, for buttons that sit on the pictures.
void paintDarkButton(QWidget* button, int pixels, bool bold = false);

}  // namespace temparoka
