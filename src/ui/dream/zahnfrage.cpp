#include "ui/dream/zahnfrage.h"

#include "ui/dream/todfrage.h"
#include "ui/shared/captionfit.h"
#include "ui/shared/keys.h"
#include "ui/shared/look.h"
#include "ui_zahnfrage.h"

namespace temparoka {

Tzahnform::Tzahnform(const TTfrage& deathDialog, QWidget* parent)
    : DialogOnFirstUse(parent), ui(this), m_deathDialog(deathDialog)
{
    setObjectName(QStringLiteral("zahnform"));
}

void Tzahnform::build()
{
    ui->setupUi(this);
    fixDialogSize(this);
    paintBlackBackground(this);
    ui->Image1->setPictureOnShow(m_deathDialog.pictureSource());
    paintWhiteOnBlack(ui->GroupBox1, 15);
    for (QWidget* box : {ui->zahnoben, ui->zahnunten}) {
        paintWhiteOnBlack(box, 15);
        // The group is black already; a box of its own would cover the title.
        box->setAutoFillBackground(false);
    }
    ui->Button1->setFont(pixelFont(15));
    fitCaptions(this);
    connect(ui->Button1, &QPushButton::clicked, this, &QDialog::accept);
    enterPressesFocusedButton(this);
    focusFirstOnShow(this, ui->zahnoben);
}

Tzahnform::~Tzahnform() = default;

bool Tzahnform::upperTooth() const
{
    return ui->zahnoben->isChecked();
}

bool Tzahnform::lowerTooth() const
{
    return ui->zahnunten->isChecked();
}

}  // namespace temparoka
