#pragma once
// The look the three clarification dialogs share: a black window of fixed
// size filled by the death dialog's picture, with white captions on it.

#include <QIcon>
#include <QSize>

class QDialog;
class QWidget;

namespace temparoka {

void blackDialog(QDialog* dialog, const QSize& client);
QIcon outputIcon();
// Captions sit straight on the picture: white text, no box around it.
void whiteCaption(QWidget* label, int pixels, bool bold);

}  // namespace temparoka
