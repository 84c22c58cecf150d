#include "ui/dream/traumform.h"

#include "core/calendar.h"
#include "core/dreamrules.h"
#include "core/errors.h"
#include "core/random.h"
#include "ui/dream/flussform.h"
#include "ui/dream/todfrage.h"
#include "ui/dream/zahnfrage.h"
#include "ui/output/ausgabeform.h"
#include "ui/shared/captionfit.h"
#include "ui/shared/keys.h"
#include "ui/shared/look.h"
#include "ui_traumform.h"

#include <QShowEvent>

namespace temparoka {

namespace {

const char* const kHint = "hint";
const char* const kShowHint = "showHint";

}  // namespace

Ttraumfenster::Ttraumfenster(ReadingServices services, Tausform& outputWindow, QWidget* parent)
    : DialogOnFirstUse(parent), ui(this), m_services(std::move(services)), m_output(outputWindow)
{
    setObjectName(QStringLiteral("traumfenster"));
    gefuehltexte = {QStringLiteral("freightening"), QStringLiteral("sad"), QStringLiteral("normal"),
                    QStringLiteral("happy")};
    farbtexte = {QStringLiteral("in colour"), QStringLiteral("black and white"), QStringLiteral("don't know")};
}

void Ttraumfenster::build()
{
    ui->setupUi(this);
    fixDialogSize(this);
    paintBlackBackground(this);
    setWindowIcon(pictureIcon(QStringLiteral(":/pictures/icon_dream.png")));

    // The picture lies under every control, whatever its place in the order;
    // it is decoded when the window is first opened.
    ui->Image1->setPictureOnShow(QStringLiteral(":/pictures/dream.jpg"));
    ui->Image1->lower();

    applyLook();
    ui->gefuehl->setItemIndex(2);
    ui->farbe->setItemIndex(1);

    ui->trans->setIcon(pictureIcon(QStringLiteral(":/pictures/flags.png")));
    ui->trans->setIconSize(QSize(46, 20));
    ui->trans->setToolTip(ui->trans->property(kHint).toString());
    showHints();

    // A reading that fails (no sound) says why in the error box and ends
    // there; the window stays open.
    connect(ui->Button1, &QPushButton::clicked, this, [this] { reportingFailures([this] { Button1Click(); }); });
    connect(ui->trans, &QPushButton::clicked, this, &Ttraumfenster::transClick);
    connect(ui->laut, &QCheckBox::clicked, this, &Ttraumfenster::lautClick);
    connect(ui->gigicheck, &QCheckBox::clicked, this, &Ttraumfenster::gigicheckClick);
    // Enter on the flag button switches the language rather than reading.
    enterPressesFocusedButton(this);
    // Each showing starts at the feeling, first in the keyboard order, and
    // not at the button that would read the dream on Space.
    focusFirstOnShow(this, ui->gefuehl);
    // The flag button shows no caption; a screen reader says what it does.
    ui->trans->setAccessibleName(QStringLiteral("Terjemahkan"));
    ui->trans->setAccessibleDescription(QStringLiteral("Ganti bahasa jendela ini"));
}

Ttraumfenster::~Ttraumfenster() = default;

void Ttraumfenster::setDialogs(TTfrage* death, Tflussfrage* river, Tzahnform* tooth)
{
    m_death = death;
    m_river = river;
    m_tooth = tooth;
}

void Ttraumfenster::applyLook()
{
    paintWhiteOnBlack(ui->Label1, 16, true);
    for (QWidget* group : std::initializer_list<QWidget*>{ui->gefuehl, ui->farbe})
        paintWhiteOnBlack(group, 15);
    for (QWidget* box : std::initializer_list<QWidget*>{ui->tiger, ui->conflict, ui->boot, ui->ular, ui->ikan,
                                                        ui->orang, ui->anak, ui->tod, ui->fallen, ui->anjing, ui->kerja,
                                                        ui->laut, ui->pachilang, ui->auffuehrung, ui->gigicheck})
        paintWhiteOnBlack(box, 15);
    paintDarkButton(ui->Button1, 15);
    // Each language has its own caption lengths.
    fitCaptions(this);
}

void Ttraumfenster::showHints()
{
    for (QWidget* control : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (control == ui->trans || !control->property(kHint).isValid())
            continue;
        const bool shown = control->property(kShowHint).isValid() ? control->property(kShowHint).toBool() : true;
        control->setToolTip(shown ? control->property(kHint).toString().section(QLatin1Char('|'), 0, 0) : QString());
    }
}

void Ttraumfenster::transClick()
{
    for (QWidget* control : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QString caption = captionOf(control);
        if (caption.isEmpty())
            continue;
        setCaption(control, control->property(kHint).toString());
        control->setProperty(kHint, caption);
    }
    for (int i = 0; i < ui->gefuehl->count(); ++i) {
        const QString text = ui->gefuehl->itemText(i);
        ui->gefuehl->setItemText(i, gefuehltexte.value(i));
        gefuehltexte[i] = text;
    }
    for (int i = 0; i < ui->farbe->count(); ++i) {
        const QString text = ui->farbe->itemText(i);
        ui->farbe->setItemText(i, farbtexte.value(i));
        farbtexte[i] = text;
    }
    showHints();
    applyLook();
}

void Ttraumfenster::lautClick()
{
    if (ui->laut->isChecked() && m_river)
        m_river->exec();
}

void Ttraumfenster::gigicheckClick()
{
    if (ui->gigicheck->isChecked() && m_tooth)
        m_tooth->exec();
}

DreamAnswers Ttraumfenster::answers() const
{
    DreamAnswers a;
    a.feeling = ui->gefuehl->itemIndex();
    a.colour = ui->farbe->itemIndex();
    a.tiger = ui->tiger->isChecked();
    a.boot = ui->boot->isChecked();
    a.tod = ui->tod->isChecked();
    a.anak = ui->anak->isChecked();
    a.ular = ui->ular->isChecked();
    a.anjing = ui->anjing->isChecked();
    a.orang = ui->orang->isChecked();
    a.ikan = ui->ikan->isChecked();
    a.laut = ui->laut->isChecked();
    a.pachilang = ui->pachilang->isChecked();
    a.kerja = ui->kerja->isChecked();
    a.conflict = ui->conflict->isChecked();
    a.fallen = ui->fallen->isChecked();
    a.auffuehrung = ui->auffuehrung->isChecked();
    a.gigicheck = ui->gigicheck->isChecked();
    a.birthYear = calendarYear(m_birth.birthday);
    if (m_death) {
        a.kanal = m_death->known();
        a.hidup = m_death->stillAlive();
        a.tdkhidup = m_death->dead();
        a.tdktahu = m_death->unsure();
    }
    if (m_river)
        a.janein = m_river->answer();
    if (m_tooth) {
        a.zahnoben = m_tooth->upperTooth();
        a.zahnunten = m_tooth->lowerTooth();
    }
    return a;
}

void Ttraumfenster::Button1Click()
{
    m_services.playReadingSound();
    summe = 0;
    // The death dialog is asked during the reading, every time death is ticked.
    if (ui->tod->isChecked()) {
        if (!m_death)
            throw Error("The death dialog has not been created");
        m_death->exec();
    }
    const DreamReading dream = readDream(answers(), programRandom());
    summe = dream.summe;
    m_output.showReading(dreamAsReading(dream, m_services.today(), m_output.pen()));
    accept();
}

}  // namespace temparoka
