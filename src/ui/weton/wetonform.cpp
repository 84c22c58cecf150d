#include "ui/weton/wetonform.h"

#include "core/calendar.h"
#include "core/errors.h"
#include "files/jpeg.h"
#include "ui/output/ausgabeform.h"
#include "ui/shared/clock.h"
#include "ui/shared/keys.h"
#include "ui/shared/look.h"
#include "ui_wetonform.h"

#include <QLayout>
#include <QShowEvent>

#include <cmath>

namespace temparoka {

namespace {

const QColor kGold(232, 190, 92);

// A time of day as the minute it falls in. Seconds the field does not show
// stay out of it; a hair below a whole minute still counts as that minute.
int minuteOf(double dayFraction)
{
    return static_cast<int>(std::floor(dayFraction * 1440.0 + 1e-6)) % 1440;
}

QString dateOf(const Birth& birth)
{
    QString text = QString::fromStdString(dayInWords(birth.day).indonesian);
    if (!birth.minute)
        return text + QStringLiteral(", waktu lahir tidak diketahui");
    return text + QStringLiteral(", ") + QString::fromStdString(pukul(*birth.minute));
}

QString wetonAndNeptu(Weton weton)
{
    return QString::fromStdString(wetonName(weton)) + QStringLiteral(", neptu %1").arg(neptu(weton));
}

}  // namespace

Twetonform::Twetonform(ReadingServices services, Tausform& outputWindow, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::Twetonform>()), m_services(std::move(services)), m_output(outputWindow)
{
    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    paintBlackBackground(this);
    setWindowIcon(pictureIcon(QStringLiteral(":/pictures/icon_program.png")));
    ui->Image1->setPicture(loadPicture(QStringLiteral(":/pictures/icon_program.png")));
    applyLook();

    ui->pasanganWaktu->setValue(0.5);
    ui->pasanganTanggal->setDate(dateOfDayNumber(reader().day));
    // The captions name the fields for screen readers too; the "tidak tahu"
    // box says which time it stands for.
    ui->tanggalLabel->setBuddy(ui->pasanganTanggal);
    ui->waktuLabel->setBuddy(ui->pasanganWaktu);
    ui->pasanganTidaktahu->setAccessibleName(QStringLiteral("Waktu lahir pasangan: tidak tahu"));

    connect(ui->pasangan, &QCheckBox::toggled, this, &Twetonform::partnerTicked);
    connect(ui->pasanganTanggal, &QDateEdit::dateChanged, this, &Twetonform::refresh);
    connect(ui->pasanganWaktu, &BirthTimeEdit::valueEdited, this, &Twetonform::refresh);
    connect(ui->pasanganTidaktahu, &QCheckBox::toggled, this, [this](bool unknown) {
        ui->pasanganWaktu->setEnabled(ui->pasangan->isChecked() && !unknown);
        refresh();
    });
    // A reading that fails (no sound) says why in the error box and ends there.
    connect(ui->baca, &QPushButton::clicked, this, [this] { reportingFailures([this] { bacaClick(); }); });
    connect(ui->tutup, &QPushButton::clicked, this, &QDialog::reject);
    // Enter on a field reads the weton; on a focused button it presses that
    // button.
    ui->baca->setDefault(true);
    enterPressesFocusedButton(this);
    focusFirstOnShow(this, ui->pasangan);
    partnerTicked();
    // Laid out by its layouts, at the size they ask for: every caption
    // gets the room its font needs. Its size now, not only once it is
    // first shown.
    layout()->activate();
}

Twetonform::~Twetonform() = default;

void Twetonform::applyLook()
{
    // The look's sizes at the desktop's font size: a reader who asks the
    // desktop for larger letters gets them here too, and the layouts make
    // the room for them.
    const double scale = desktopFontScale(this);
    const auto px = [scale](int pixels) { return static_cast<int>(std::lround(pixels * scale)); };
    for (QWidget* label : std::initializer_list<QWidget*>{ui->lahirLabel, ui->tanggalLabel, ui->waktuLabel, ui->hariIni,
                                                          ui->pasangan, ui->pasanganTidaktahu})
        paintWhiteOnBlack(label, px(13));
    for (QWidget* label : std::initializer_list<QWidget*>{ui->lahirAnda, ui->jodoh})
        paintWhiteOnBlack(label, px(13), true);
    paintWhiteOnBlack(ui->judul, px(18), true);
    paintWhiteOnBlack(ui->wetonAnda, px(16), true);
    paintWhiteOnBlack(ui->wetonPasangan, px(14), true);
    for (QWidget* gold : std::initializer_list<QWidget*>{ui->judul, ui->wetonAnda, ui->wetonPasangan}) {
        QPalette palette = gold->palette();
        palette.setColor(QPalette::WindowText, kGold);
        gold->setPalette(palette);
    }
    // The partner's captions grey out with their fields while no partner is
    // ticked.
    for (QWidget* partnerCaption :
         std::initializer_list<QWidget*>{ui->tanggalLabel, ui->waktuLabel, ui->pasanganTidaktahu}) {
        QPalette palette = partnerCaption->palette();
        palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
        palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 120, 120));
        partnerCaption->setPalette(palette);
    }
    for (QWidget* input : std::initializer_list<QWidget*>{ui->pasanganTanggal, ui->pasanganWaktu})
        input->setFont(pixelFont(px(13), true));
    for (QWidget* button : std::initializer_list<QWidget*>{ui->baca, ui->tutup})
        paintDarkButton(button, px(13), button == ui->baca);
    // The buttons and the widest line keep the room the window was drawn
    // with, grown with the font (the line's for the longest birth it may
    // show, so that the window keeps its width as the lines change); the
    // layouts give them more where a caption needs it.
    for (QWidget* roomy : std::initializer_list<QWidget*>{ui->lahirAnda, ui->baca, ui->tutup})
        roomy->setMinimumSize(px(roomy->minimumWidth()), px(roomy->minimumHeight()));
    // The partner's lines keep a line's room while they are empty, so that
    // the window keeps its size as a partner is ticked and unticked.
    for (QWidget* line : std::initializer_list<QWidget*>{ui->wetonPasangan, ui->jodoh})
        line->setMinimumHeight(line->fontMetrics().height());
}

void Twetonform::setBirthData(const BirthData& birth)
{
    m_birth = birth;
    // Until the window first opens, the partner's date stands at the
    // reader's birthday (see showEvent).
    if (!m_partnerDateSet) {
        const QSignalBlocker quiet(ui->pasanganTanggal);
        ui->pasanganTanggal->setDate(dateOfDayNumber(reader().day));
    }
    refresh();
}

Birth Twetonform::reader() const
{
    Birth birth{dayNumberOf(m_birth.birthday), std::nullopt};
    if (m_birth.timeKnown)
        birth.minute = minuteOf(m_birth.timeOfBirth);
    return birth;
}

std::optional<Birth> Twetonform::partner() const
{
    if (!ui->pasangan->isChecked())
        return std::nullopt;
    Birth birth{dayNumberOfDate(ui->pasanganTanggal->date()), std::nullopt};
    if (!ui->pasanganTidaktahu->isChecked())
        birth.minute = minuteOf(ui->pasanganWaktu->value());
    return birth;
}

void Twetonform::showEvent(QShowEvent* event)
{
    // The birthday field of the main window ends today; so does this one.
    const std::int64_t today = dayNumberOf(m_services.today());
    ui->pasanganTanggal->setLatestEntry(dateOfDayNumber(today));
    if (!m_partnerDateSet) {
        // A partner is often of about the reader's age: the field starts at
        // the reader's birthday as it is when the window first opens,
        // rather than at an arbitrary year (and takes it whatever the clock
        // says, as the main window does).
        const QSignalBlocker quiet(ui->pasanganTanggal);
        ui->pasanganTanggal->restoreDate(dateOfDayNumber(reader().day));
        m_partnerDateSet = true;
    }
    refresh();
    QDialog::showEvent(event);
}

void Twetonform::partnerTicked()
{
    const bool on = ui->pasangan->isChecked();
    for (QWidget* control :
         std::initializer_list<QWidget*>{ui->tanggalLabel, ui->pasanganTanggal, ui->waktuLabel, ui->pasanganTidaktahu})
        control->setEnabled(on);
    ui->pasanganWaktu->setEnabled(on && !ui->pasanganTidaktahu->isChecked());
    refresh();
}

void Twetonform::refresh()
{
    const Birth mine = reader();
    ui->lahirAnda->setText(dateOf(mine));
    ui->wetonAnda->setText(wetonAndNeptu(wetonOf(mine)));
    const Weton today = wetonOfDay(dayNumberOf(m_services.today()));
    ui->hariIni->setText(QStringLiteral("Hari ini: ") + QString::fromStdString(wetonName(today)));

    const std::optional<Birth> theirs = partner();
    if (!theirs) {
        ui->wetonPasangan->clear();
        ui->jodoh->clear();
        return;
    }
    ui->wetonPasangan->setText(wetonAndNeptu(wetonOf(*theirs)));
    const JodohSum count = jodohSum(wetonOf(mine), wetonOf(*theirs));
    ui->jodoh->setText(QString::fromStdString("Jodoh: " + count.added + ", sisa " + count.rest + ": " +
                                              std::string(nameOf(count.match))));
}

void Twetonform::bacaClick()
{
    m_services.playReadingSound();
    m_output.showReading(wetonReading(m_services.today(), reader(), partner(), m_output.pen()));
}

}  // namespace temparoka
