#include "ui/output/ausgabeform.h"

#include "export/readingdocument.h"
#include "ui/output/readingactions.h"
#include "ui/shared/keys.h"
#include "ui/shared/look.h"
#include "ui_ausgabeform.h"

#include <QAction>
#include <QTextCursor>

namespace temparoka {

Tausform::Tausform(QWidget* parent)
    : DialogOnFirstUse(parent), ui(this), m_actions(new ReadingActions(this, [this] { return reading(); })),
      m_history(earlierReadingsCommand(this))
{
    setObjectName(QStringLiteral("ausform"));
    connect(m_history, &QAction::triggered, this, [this] {
        if (m_showHistory)
            m_showHistory();
    });
}

void Tausform::build()
{
    ui->setupUi(this);
    setWindowIcon(pictureIcon(QStringLiteral(":/pictures/icon_output.png")));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFont(pixelFont(11));
    ui->SpendeKnopf->setFont(pixelFont(11, true));
    showAsReading(ui->ausfenster);
    // Read aloud as the reading, in both languages, Indonesian first. What a
    // screen reader says of it is Indonesian, as the captions are.
    ui->ausfenster->setAccessibleName(QStringLiteral("Ramalan"));
    ui->ausfenster->setAccessibleDescription(QStringLiteral("Dalam bahasa Indonesia, lalu dalam bahasa Inggris"));

    // Neither button is the window's default: Enter presses the one that
    // has the focus, as Space does.
    enterPressesFocusedButton(this);

    m_actions->offerInMenu(ui->ausfenster, {m_history});

    connect(ui->SpendeKnopf, &QPushButton::clicked, this, &Tausform::SpendeKnopfClick);
    connect(ui->simpan, &QPushButton::clicked, m_actions->save(), &QAction::trigger);
    connect(ui->cetak, &QPushButton::clicked, m_actions->print(), &QAction::trigger);
    connect(ui->riwayat, &QPushButton::clicked, m_history, &QAction::trigger);
    connect(ui->ende, &QPushButton::clicked, this, &Tausform::endeClick);
}

Tausform::~Tausform() = default;

QTextEdit* Tausform::ausfenster() const
{
    return ui->ausfenster;
}

void Tausform::showReading(const Reading& reading)
{
    setReading(reading);
    exec();
}

void Tausform::setReading(const Reading& reading)
{
    m_reading = reading;
    ui->ausfenster->clear();
    writeReadingLines(*ui->ausfenster->document(), m_reading.lines);
    // A dictionary reading of several entries is longer than the view: it
    // too opens on its first line.
    if (m_reading.kind == ReadingKind::Weekly || m_reading.kind == ReadingKind::Dictionary)
        ui->ausfenster->moveCursor(QTextCursor::Start);
}

void Tausform::SpendeKnopfClick()
{
    if (m_donationWindow)
        m_donationWindow->exec();
}

void Tausform::endeClick()
{
    reject();
}

}  // namespace temparoka
