#pragma once
// Fits the captions of a window to the places it was laid out with. The
// free fonts we draw with are wider and taller than the ones the places
// were measured for, so a caption may need more room than its box: its
// box first grows into free space around it (to the right for text that
// starts at the left, around its centre in height, a group's top edge
// upwards), and only when there is none does the font get smaller. The
// captions of one kind in a window (same designed font, buttons apart)
// then share the smallest size any of them needed, so that check boxes and
// choices side by side are one size. The designed font and place are
// remembered, so fitting again (after a change of language) starts afresh.
// What every window needs of a caption, reading it, measuring it and
// shrinking its font, lives here once.

#include <QFont>
#include <QSize>
#include <QString>

#include <functional>

class QWidget;

namespace temparoka {

void fitCaptions(QWidget* window, int minimumPixels = 11);

// A control's caption as the window sets it: a label's text, a group's
// title or a button's text, "&" marks and markup included; empty for any
// other control.
QString captionOf(const QWidget* control);
void setCaption(QWidget* control, const QString& caption);

// The size a control's box must have for its caption in the given font.
QSize captionSize(QWidget* control, const QFont& font);

// The font, a pixel smaller at a time down to minimumPixels, until fits
// accepts it.
QFont shrunkToFit(QFont font, int minimumPixels, const std::function<bool(const QFont&)>& fits);

}  // namespace temparoka
