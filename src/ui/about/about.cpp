#include "ui/about/about.h"

#include "files/jpeg.h"
#include "ui/about/product.h"
#include "ui/shared/captionfit.h"
#include "ui/shared/look.h"
#include "ui_about.h"

namespace temparoka {

TAboutBox::TAboutBox(QWidget* parent) : DialogOnFirstUse(parent), ui(this)
{
    setObjectName(QStringLiteral("AboutBox"));
}

void TAboutBox::build()
{
    ui->setupUi(this);
    fixDialogSize(this);
    setFont(pixelFont(14));
    ui->ProductName->setFont(pixelFont(15, true));

    setWindowIcon(pictureIcon(QStringLiteral(":/pictures/icon_program.png")));
    // The box shows the icon at 40 pixels, drawn for that size, so that it
    // stays crisp instead of being stretched from the window icon's 32.
    ui->ProgramIcon->setStretch(true);
    ui->ProgramIcon->setPicture(loadPicture(QStringLiteral(":/pictures/icon_about.png")));

    const QString web = QString::fromLatin1(kProductWebAddress);
    const QString mail = QString::fromLatin1(kContactEmail);
    ui->Version->setText(QStringLiteral("Version %1").arg(QString::fromLatin1(kProductVersion)));
    ui->Label1->setText(QStringLiteral("Visit <a href=\"%1\">%1</a> to download the latest version").arg(web));
    ui->Label2->setText(QStringLiteral("Please send comments to <a href=\"mailto:%1\">%1</a>").arg(mail));
    // The two sentences share one size: two lines of the web address must
    // fit the first label's 32 pixels, and the e-mail address must end
    // clear of the panel's edge.
    for (QWidget* sentence : {static_cast<QWidget*>(ui->Label1), static_cast<QWidget*>(ui->Label2)})
        sentence->setFont(pixelFont(13));
    fitCaptions(this);

    connect(ui->OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

TAboutBox::~TAboutBox() = default;

}  // namespace temparoka
