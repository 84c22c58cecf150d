#include "app/spende.h"

#include "app/product.h"
#include "common/captionfit.h"
#include "common/jpeg.h"
#include "common/look.h"
#include "ui_spende.h"

#include <QDesktopServices>
#include <QTextDocument>
#include <QUrl>

namespace temparoka {

QString appealText()
{
    return QStringLiteral(
               "Temparoka's horoscope is free. Nobody has to pay for it,\n"
               "there are no advertisements in it, and it will stay that way.\n"
               "Share it with your family and friends as you like.\n"
               "\n"
               "Its predictions draw on the fortune lore of many Indonesian islands,\n"
               "from Sumatra to Papua, and are renewed every lunar year.\n"
               "\n"
               "If you find Temparoka useful, if it has brought you luck, or if it has\n"
               "helped you improve your Indonesian, please consider a small donation.\n"
               "\n"
               "Your support keeps the luck coming: in the old fortune lore, what you\n"
               "give comes back to you in a circle, like the moon that wanes\n"
               "and always grows full again.\n"
               "\n"
               "To find out how to support Temparoka, visit\n"
               "%1\n"
               "or click on this button.")
        .arg(QString::fromLatin1(kProductWebAddress));
}

TSpendeForm::TSpendeForm(QWidget* parent) : QDialog(parent), ui(std::make_unique<Ui::TSpendeForm>())
{
    ui->setupUi(this);
    fixDialogSize(this, QSize(641, 415));
    setWindowIcon(pictureIcon(QStringLiteral(":/pictures/icon_program.png")));
    setFont(pixelFont(14));
    ui->Label1->setFont(pixelFont(20, true));
    ui->Memo1->setPlainText(appealText());
    ui->Label1->setBuddy(ui->Memo1);
    // The button lies over the memo's lower part, right under the line
    // "or click on this button.": all 17 lines must end above it.
    QFont memoFont = pixelFont(17);
    const int room = ui->BitBtn1->y() - ui->Memo1->y() - 2 * ui->Memo1->frameWidth() - 4;
    const auto laidOutHeight = [](const QFont& font) {
        QTextDocument text;
        text.setDefaultFont(font);
        text.setDocumentMargin(4);
        text.setPlainText(appealText());
        return text.size().height();
    };
    while (memoFont.pixelSize() > 11 && laidOutHeight(memoFont) > room)
        memoFont.setPixelSize(memoFont.pixelSize() - 1);
    ui->Memo1->setFont(memoFont);
    fitCaptions(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TSpendeForm::BitBtn1Click);
}

TSpendeForm::~TSpendeForm() = default;

void TSpendeForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // It opens where it was laid out, near the screen's top-left corner.
    move(7, 6);
}

void TSpendeForm::BitBtn1Click()
{
    // The desktop is asked while the window is still on screen, and its
    // answer does not matter; the window closes right after.
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kProductWebAddress)));
    reject();
}

}  // namespace temparoka
