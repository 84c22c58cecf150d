#include "ui/dream/flussform.h"

#include "ui/dream/todfrage.h"
#include "ui/shared/captionfit.h"
#include "ui/shared/keys.h"
#include "ui/shared/look.h"
#include "ui_flussform.h"

namespace temparoka {

Tflussfrage::Tflussfrage(const TTfrage& deathDialog, QWidget* parent)
    : DialogOnFirstUse(parent), ui(this), m_deathDialog(deathDialog)
{
    setObjectName(QStringLiteral("flussfrage"));
}

void Tflussfrage::build()
{
    ui->setupUi(this);
    fixDialogSize(this);
    paintBlackBackground(this);
    setWindowIcon(pictureIcon(QStringLiteral(":/pictures/icon_output.png")));
    ui->Image1->setPictureOnShow(m_deathDialog.pictureSource());
    paintWhiteCaption(ui->Label1, 15, true);
    paintWhiteOnBlack(ui->janein, 15);
    ui->janein->setItemIndex(0);
    ui->Button1->setFont(pixelFont(13));
    fitCaptions(this);
    connect(ui->Button1, &QPushButton::clicked, this, &QDialog::accept);
    enterPressesFocusedButton(this);
    focusFirstOnShow(this, ui->janein);
}

Tflussfrage::~Tflussfrage() = default;

int Tflussfrage::answer() const
{
    return ui->janein->itemIndex();
}

}  // namespace temparoka
