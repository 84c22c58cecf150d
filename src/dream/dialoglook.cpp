#include "dream/dialoglook.h"

#include "common/jpeg.h"
#include "common/look.h"

#include <QDialog>

namespace temparoka {

void blackDialog(QDialog* dialog, const QSize& client)
{
    dialog->setFixedSize(client);
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QPalette black = dialog->palette();
    black.setColor(QPalette::Window, Qt::black);
    dialog->setPalette(black);
    dialog->setAutoFillBackground(true);
}

QIcon outputIcon()
{
    return QIcon(QPixmap::fromImage(loadPicture(QStringLiteral(":/pictures/icon_output.png"))));
}

void whiteCaption(QWidget* label, int pixels, bool bold)
{
    paintWhiteOnBlack(label, pixels, bold);
    label->setAutoFillBackground(false);
}

}  // namespace temparoka
