#include "ui/dream/todfrage.h"

#include "ui/shared/captionfit.h"
#include "ui/shared/keys.h"
#include "ui/shared/look.h"
#include "ui_todfrage.h"

#include <QPushButton>

namespace temparoka {

TTfrage::TTfrage(QWidget* parent) : DialogOnFirstUse(parent), ui(this)
{
    setObjectName(QStringLiteral("Tfrage"));
}

void TTfrage::build()
{
    ui->setupUi(this);
    fixDialogSize(this);
    paintBlackBackground(this);
    setWindowIcon(pictureIcon(QStringLiteral(":/pictures/icon_output.png")));
    // Decoded when the dialog is first shown: a reader may never dream of
    // death.
    ui->Image1->setPictureOnShow(QStringLiteral(":/pictures/death.jpg"));
    paintWhiteCaption(ui->Label1, 16, true);
    for (QWidget* panel : {ui->Panel1, ui->Panel2})
        paintWhiteOnBlack(panel, 13);
    for (QWidget* control : std::initializer_list<QWidget*>{ui->Label2, ui->Label3, ui->kanal, ui->tdkkanal, ui->hidup,
                                                            ui->tdkhidup, ui->tdktahu})
        paintWhiteOnBlack(control, 13);
    ui->Button1->setFont(pixelFont(13));
    fitCaptions(this);
    connect(ui->Button1, &QPushButton::clicked, this, &QDialog::accept);
    enterPressesFocusedButton(this);
    focusFirstOnShow(this, ui->kanal);
}

TTfrage::~TTfrage() = default;

QImage TTfrage::picture() const
{
    return ui->Image1->picture();
}

const QString& TTfrage::pictureSource() const
{
    return ui->Image1->pictureSource();
}

bool TTfrage::known() const
{
    return ui->kanal->isChecked();
}

bool TTfrage::stillAlive() const
{
    return ui->hidup->isChecked();
}

bool TTfrage::dead() const
{
    return ui->tdkhidup->isChecked();
}

bool TTfrage::unsure() const
{
    return ui->tdktahu->isChecked();
}

}  // namespace temparoka
