#include "ui/about/spende.h"

#include "files/jpeg.h"
#include "ui/about/product.h"
#include "ui/shared/captionfit.h"
#include "ui/shared/keys.h"
#include "ui/shared/look.h"
#include "ui_spende.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace temparoka {

QString appealText()
{
    return QStringLiteral("Temparoka's horoscope is free. Nobody has to pay for it,\n"
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

TSpendeForm::TSpendeForm(QWidget* parent) : DialogOnFirstUse(parent), ui(this)
{
    setObjectName(QStringLiteral("SpendeForm"));
}

void TSpendeForm::build()
{
    ui->setupUi(this);
    fixDialogSize(this);
    setWindowIcon(pictureIcon(QStringLiteral(":/pictures/icon_program.png")));
    setFont(pixelFont(14));
    // Nimbus Sans draws the title 340 pixels wide and asks 29 pixels of
    // height at 20 pixels bold, more than the 326 x 25 the title has. The
    // program's other call to the reader, the prompt over the cards, is
    // bold 20-pixel "Comic Sans MS"; its look-alike sets the title in
    // 306 x 23, so the title keeps its size and lies within its place.
    ui->Label1->setFont(pixelFont(20, true, QStringLiteral("Comic Sans MS")));
    ui->Memo1->setFont(pixelFont(17));
    ui->Memo1->setPlainText(appealText());
    spaceLinesToFit();
    ui->Label1->setBuddy(ui->Memo1);
    fitCaptions(this);
    // The button is not the window's default: Enter presses it once it has
    // the focus, as Space does.
    enterPressesFocusedButton(this);
    connect(ui->BitBtn1, &QPushButton::clicked, this, &TSpendeForm::BitBtn1Click);
}

void TSpendeForm::spaceLinesToFit()
{
    // The button lies over the memo's lower part, right under the line
    // "or click on this button.": all 17 lines must end above it, which
    // leaves about 20 pixels a line. Nimbus Sans spaces 17-pixel lines 25
    // pixels apart (room for accents over capitals that the appeal does not
    // have), which would put the last four lines under the button. So the
    // lines keep their size and come closer, never further apart than the
    // font's own spacing; at 17 pixels the top of an "h" and the foot of a
    // "p" are 16 pixels apart, so the letters of two lines do not touch.
    QTextDocument* text = ui->Memo1->document();
    const int room = ui->BitBtn1->y() - ui->Memo1->y() - ui->Memo1->frameWidth();
    const int lines = text->blockCount();
    const int spacing = std::min(QFontMetrics(ui->Memo1->font()).height(),
                                 static_cast<int>((room - 2 * text->documentMargin()) / lines));
    QTextBlockFormat format;
    format.setLineHeight(spacing, QTextBlockFormat::FixedHeight);
    QTextCursor all(text);
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(format);
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
