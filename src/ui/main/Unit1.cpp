#include "ui/main/Unit1.h"

#include "core/birthdata.h"
#include "core/calendar.h"
#include "core/errors.h"
#include "core/weekly.h"
#include "files/jpeg.h"
#include "ui/dream/traumform.h"
#include "ui/main/cardimage.h"
#include "ui/main/ramalanclicks.h"
#include "ui/output/readingactions.h"
#include "ui/shared/captionfit.h"
#include "ui/shared/clock.h"
#include "ui/shared/keys.h"
#include "ui/shared/look.h"
#include "ui/weton/wetonform.h"
#include "ui_Unit1.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

namespace temparoka {

TForm1::TForm1(MainWindowServices services, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::TForm1>()), m_services(std::move(services)), m_weekly(*this, m_services)
{
    ui->setupUi(this);
    setFixedSize(size());  // as the definition gave it
    // The two-colour icon at its own size, and the desktop's larger one for
    // task bars and switchers that ask for more pixels.
    setWindowIcon(
        pictureIcon({QStringLiteral(":/pictures/icon_program.png"), QStringLiteral(":/pictures/temparoka.png")}));
    paintBlackBackground(this);

    ui->gebzeit->setValue(kInitialTimeOfBirth);
    applyLook();
    loadPictures();
    createActions();

    connect(ui->gebdat, &QDateEdit::dateChanged, this, &TForm1::gebdatChange);
    connect(ui->gebzeit, &BirthTimeEdit::valueEdited, this, &TForm1::gebzeitChange);
    connect(ui->Tidaktahu, &QCheckBox::clicked, notknow, &QAction::trigger);
    connect(ui->kindNW, &QCheckBox::clicked, this, &TForm1::kindNWClick);
    connect(ui->Ramalanknopf, &QPushButton::clicked, losgehts, &QAction::trigger);
    connect(ui->Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(ui->Wetonknopf, &QPushButton::clicked, this, &TForm1::wetonClick);
    connect(ui->Kamusknopf, &QPushButton::clicked, this, [this] {
        if (m_openDictionary)
            reportingFailures(m_openDictionary);
    });
    connect(ui->Keluar, &QPushButton::clicked, FileExit1, &QAction::trigger);
    connect(ui->ueber, &QPushButton::clicked, this, &TForm1::ueberClick);
    // A reading that fails (no sound, no save) says why in the error box and
    // ends there; the card taken stays face up.
    connect(ui->sanskr1, &TDoubleImage::clicked, this, [this] { reportingFailures([this] { sanskr1Click(); }); });
    connect(ui->sanskr2, &TDoubleImage::clicked, this, [this] { reportingFailures([this] { sanskr2Click(); }); });
    connect(ui->sanskr3, &TDoubleImage::clicked, this, [this] { reportingFailures([this] { sanskr3Click(); }); });
    connect(ui->sanskr4, &TDoubleImage::clicked, this, [this] { reportingFailures([this] { sanskr4Click(); }); });
    connect(ui->sanskr5, &TDoubleImage::clicked, this, [this] { reportingFailures([this] { sanskr5Click(); }); });
    enterPressesFocusedButton(this);
    // After the rule above: a filter installed later sees Enter on
    // "&Ramalan" before that rule takes it.
    m_ramalanClicks = new RamalanClicks(ui->Ramalanknopf, this);

    latestBirthdayToday();
    if (const std::optional<BirthData> stored = m_weekly.loadRecord())
        restoreBirthData(*stored);
}

TForm1::~TForm1() = default;

void TForm1::createActions()
{
    losgehts = new QAction(QStringLiteral("Ramalan"), this);
    losgehts->setObjectName(QStringLiteral("losgehts"));
    connect(losgehts, &QAction::triggered, this, [this] { reportingFailures([this] { losgehtsExecute(); }); });

    notknow = new QAction(QStringLiteral("notknow"), this);
    notknow->setObjectName(QStringLiteral("notknow"));
    connect(notknow, &QAction::triggered, this, &TForm1::notknowExecute);

    FileExit1 = new QAction(QStringLiteral("E&xit"), this);
    FileExit1->setObjectName(QStringLiteral("FileExit1"));
    FileExit1->setToolTip(QStringLiteral("Exit"));
    FileExit1->setStatusTip(QStringLiteral("Quits the application"));
    connect(FileExit1, &QAction::triggered, this, &QWidget::close);

    riwayat = earlierReadingsCommand(this);
    riwayat->setObjectName(QStringLiteral("riwayat"));
    connect(riwayat, &QAction::triggered, this, [this] { reportingFailures([this] { m_weekly.showHistory(); }); });
}

void TForm1::applyLook()
{
    // The captions beside the fields name them for screen readers too.
    ui->Label1->setBuddy(ui->gebdat);
    ui->Label3->setBuddy(ui->gebzeit);
    ui->Label4->setBuddy(ui->SpinEdit1);
    // The database memo is never shown; it must not take the focus either.
    ui->textquelle->setFocusPolicy(Qt::NoFocus);
    for (QWidget* label : std::initializer_list<QWidget*>{ui->Label1, ui->Label3, ui->Label4})
        paintWhiteOnBlack(label, 13);
    // The picture shows around the check boxes' captions.
    for (QWidget* box : std::initializer_list<QWidget*>{ui->Tidaktahu, ui->kindNW})
        paintWhiteCaption(box, 13);
    for (QWidget* input : std::initializer_list<QWidget*>{ui->gebdat, ui->gebzeit, ui->SpinEdit1, ui->Ramalanknopf,
                                                          ui->Button2, ui->Wetonknopf, ui->Kamusknopf})
        input->setFont(pixelFont(13, true));
    for (QWidget* button : std::initializer_list<QWidget*>{ui->Keluar, ui->ueber})
        button->setFont(pixelFont(13));

    QPalette red = ui->pilihlabel->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    ui->pilihlabel->setPalette(red);
    ui->pilihlabel->setFont(pixelFont(20, true, QStringLiteral("Comic Sans MS")));
    fitCaptions(this);
}

void TForm1::loadPictures()
{
    ui->Image1->setPicture(loadPicture(QStringLiteral(":/pictures/background.jpg")));
    const QImage back = loadPicture(QStringLiteral(":/pictures/cardback.jpg"));
    const auto all = cards();
    for (std::size_t i = 0; i < all.size(); ++i) {
        all[i]->setAutoSize(true);
        all[i]->setPicture(back);
        const ReadingCard face = cardFace(static_cast<int>(i) + 1);
        all[i]->setFlipside(loadPicture(QString::fromStdString(face.picture)));
        all[i]->setCursor(Qt::PointingHandCursor);
        const QString number = QString::number(i + 1);
        // A screen reader says which card it is and which side shows.
        all[i]->setSideNames(QStringLiteral("Kartu ") + number, QStringLiteral("Tertutup"),
                             QString::fromStdString(face.indonesian), QStringLiteral("Terbuka"));
    }
}

void TForm1::holdDatabase(const QString& text)
{
    ui->textquelle->setPlainText(text);
}

void TForm1::restoreBirthData(const BirthData& data)
{
    // Restoring is not an edit: the change handlers stay out of it. A
    // birthday after today (saved before the clock was set back) is kept as
    // it is: the field's range widens to hold it.
    const QSignalBlocker blockDate(ui->gebdat);
    const QSignalBlocker blockChildren(ui->SpinEdit1);
    ui->gebdat->restoreDate(dateOfDayNumber(static_cast<qint64>(data.birthday)));
    ui->gebzeit->setValue(data.timeOfBirth);
    ui->SpinEdit1->setValue(data.children);
}

BirthData TForm1::birthData() const
{
    return {birthday(), timeOfBirth(), children(), !ui->Tidaktahu->isChecked()};
}

double TForm1::birthday() const
{
    return static_cast<double>(dayNumberOfDate(ui->gebdat->date()));
}

double TForm1::timeOfBirth() const
{
    return ui->gebzeit->value();
}

int TForm1::children() const
{
    // The field's text is what counts, also while it is still being typed:
    // an emptied field or a lone sign reads as 0, a number beyond the range
    // as its nearest bound.
    return ui->SpinEdit1->typedValue();
}

QLabel* TForm1::prompt() const
{
    return ui->pilihlabel;
}

std::array<TDoubleImage*, 5> TForm1::cards() const
{
    return {ui->sanskr1, ui->sanskr2, ui->sanskr3, ui->sanskr4, ui->sanskr5};
}

QList<QWidget*> TForm1::entryControls() const
{
    return {ui->Keluar,  ui->Label1,       ui->Label3,    ui->Label4, ui->gebdat, ui->SpinEdit1,  ui->gebzeit,
            ui->Button2, ui->Ramalanknopf, ui->Tidaktahu, ui->ueber,  ui->kindNW, ui->Wetonknopf, ui->Kamusknopf};
}

QList<QWidget*> TForm1::drawControls() const
{
    return {ui->pilihlabel, ui->sanskr1, ui->sanskr2, ui->sanskr3, ui->sanskr4, ui->sanskr5};
}

void TForm1::enterEntryMode()
{
    // The window's own focus child: while the reading was on top, no card
    // had the application's focus, but the window remembers which one.
    const auto all = cards();
    const bool cardHadFocus = std::find(all.begin(), all.end(), focusWidget()) != all.end();
    for (QWidget* control : drawControls())
        control->hide();
    for (QWidget* control : entryControls())
        control->show();
    // Back from a card to where the reading was asked for, not to whatever
    // follows the hidden card in the keyboard order.
    if (cardHadFocus || !focusWidget())
        ui->Ramalanknopf->setFocus(Qt::OtherFocusReason);
}

void TForm1::hideEntryControls()
{
    for (QWidget* control : entryControls())
        control->hide();
}

void TForm1::latestBirthdayToday()
{
    // A clock set back changes what may be entered, never the birthday the
    // field holds: its range still reaches that date.
    ui->gebdat->setLatestEntry(dateOfDayNumber(static_cast<qint64>(std::floor(m_services.clock->now()))));
}

void TForm1::gebdatChange()
{
    const int limit = childrenLimit(std::floor(m_services.clock->now()), birthday());
    if (children() > limit)
        ui->SpinEdit1->setValue(limit);
    ui->SpinEdit1->setMaximum(limit);
}

void TForm1::gebzeitChange()
{
    const double corrected = noonForMidnight(ui->gebzeit->value());
    if (corrected != ui->gebzeit->value())
        ui->gebzeit->setValue(corrected);
}

void TForm1::notknowExecute()
{
    if (ui->Tidaktahu->isChecked()) {
        ui->gebzeit->setValue(kInitialTimeOfBirth);
        ui->gebzeit->setEnabled(false);
    } else {
        ui->gebzeit->setEnabled(true);
    }
    repaint();
}

void TForm1::kindNWClick()
{
    if (ui->kindNW->isChecked()) {
        ui->SpinEdit1->setEnabled(false);
        ui->SpinEdit1->setValue(0);
    } else {
        ui->SpinEdit1->setEnabled(true);
    }
}

void TForm1::losgehtsExecute()
{
    const bool byMouse = m_ramalanClicks->take();
    latestBirthdayToday();
    m_weekly.losgehtsExecute(birthData(), byMouse);
}

void TForm1::Button2Click()
{
    // The dream reading takes the birthday as it is now; the field cannot
    // change while the dream window is open.
    latestBirthdayToday();
    if (m_dreamWindow) {
        m_dreamWindow->setBirthData(birthData());
        m_dreamWindow->exec();
    }
}

void TForm1::wetonClick()
{
    latestBirthdayToday();
    if (m_wetonWindow) {
        Twetonform& window = m_wetonWindow();
        window.setBirthData(birthData());
        window.exec();
    }
}

void TForm1::ueberClick()
{
    if (m_aboutBox)
        m_aboutBox->exec();
}

void TForm1::keyPressEvent(QKeyEvent* event)
{
    // Qt honours default buttons only in dialogs. Enter on a button presses
    // it (enterPressesFocusedButton); anywhere else it presses "&Ramalan".
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return QWidget::keyPressEvent(event);
    if (!qobject_cast<QPushButton*>(focusWidget()) && ui->Ramalanknopf->isVisible() && ui->Ramalanknopf->isEnabled())
        ui->Ramalanknopf->click();
    event->accept();
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_centred && screen()) {
        m_centred = true;
        const QRect desktop = screen()->availableGeometry();
        move(desktop.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
}

}  // namespace temparoka
