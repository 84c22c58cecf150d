#include "ui/output/riwayat.h"

#include "export/readingdocument.h"
#include "ui/output/readingactions.h"
#include "ui/shared/keys.h"
#include "ui/shared/look.h"
#include "ui_riwayat.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTextCursor>

namespace temparoka {

Triwayat::Triwayat(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::Triwayat>()),
      m_actions(new ReadingActions(this, [this] { return chosenReading(); }))
{
    ui->setupUi(this);
    // Laid out by its layouts, at the size they ask for: the list as wide
    // as the .ui gives it, each entry as tall as its first line wraps to,
    // the text pane as wide as the output window's view, so that the
    // chosen reading breaks its lines where it broke when it was read.
    ui->isi->setFixedWidth(kReadingViewWidth);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowIcon(pictureIcon(QStringLiteral(":/pictures/icon_output.png")));
    setFont(pixelFont(11));
    ui->daftar->setFont(pixelFont(13));
    showAsReading(ui->isi);
    ui->daftar->setAccessibleName(QStringLiteral("Ramalan sebelumnya"));
    ui->isi->setAccessibleName(QStringLiteral("Ramalan yang dipilih"));
    ui->isi->setAccessibleDescription(QStringLiteral("Dalam bahasa Indonesia, lalu dalam bahasa Inggris"));
    enterPressesFocusedButton(this);
    focusFirstOnShow(this, ui->daftar);
    m_actions->offerInMenu(ui->isi);

    // Ctrl+C on the list copies what the chosen entries say.
    auto* copy = new QAction(ui->daftar);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    ui->daftar->addAction(copy);
    connect(copy, &QAction::triggered, this, &Triwayat::copyCaptions);

    connect(ui->daftar, &QListWidget::currentRowChanged, this, &Triwayat::showEntry);
    // Enter on an entry takes the reader into its text.
    connect(ui->daftar, &QListWidget::activated, ui->isi, [this] { ui->isi->setFocus(Qt::OtherFocusReason); });
    connect(ui->simpan, &QPushButton::clicked, m_actions->save(), &QAction::trigger);
    connect(ui->cetak, &QPushButton::clicked, m_actions->print(), &QAction::trigger);
    connect(ui->tutup, &QPushButton::clicked, this, &QDialog::reject);
    // Its size now, from its fonts, not only once it is first shown.
    layout()->activate();
}

Triwayat::~Triwayat() = default;

void Triwayat::showReadings(std::vector<EarlierReading> entries)
{
    setReadings(std::move(entries));
    exec();
}

void Triwayat::setReadings(std::vector<EarlierReading> entries)
{
    m_entries = std::move(entries);
    const QSignalBlocker quiet(ui->daftar);
    ui->daftar->clear();
    // An entry shows its week above its first line, which wraps in the
    // list rather than being cut; screen readers and Ctrl+C get both on
    // one line.
    for (const EarlierReading& entry : m_entries) {
        const QString caption = QString::fromStdString(earlierCaption(entry));
        const QString shown =
            QString::fromStdString(earlierHeading(entry)) + QLatin1Char('\n') + QString::fromStdString(entry.firstLine);
        auto* item = new QListWidgetItem(shown, ui->daftar);
        item->setData(Qt::AccessibleTextRole, caption);
        item->setData(Qt::UserRole, caption);
        // A screen reader says it in Indonesian; the tooltip is English, as
        // every hint.
        const ReadingTitle description = earlierDescription(entry);
        item->setData(Qt::AccessibleDescriptionRole, QString::fromStdString(description.indonesian));
        item->setToolTip(QString::fromStdString(description.english));
    }
    ui->daftar->setCurrentRow(m_entries.empty() ? -1 : 0);
    showEntry(ui->daftar->currentRow());
}

Reading Triwayat::chosenReading() const
{
    const int row = ui->daftar->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= m_entries.size())
        return {};
    return m_entries[static_cast<std::size_t>(row)].reading;
}

void Triwayat::showEntry(int row)
{
    ui->isi->clear();
    const bool any = row >= 0 && static_cast<std::size_t>(row) < m_entries.size();
    for (QAction* command : {m_actions->save(), m_actions->print(), m_actions->copyPicture()})
        command->setEnabled(any);
    ui->simpan->setEnabled(any);
    ui->cetak->setEnabled(any);
    const std::vector<ReadingLine> nothingYet = {
        {"Belum ada ramalan mingguan yang tersimpan.", Language::Indonesian, false},
        {"No weekly readings have been kept yet.", Language::English, false},
    };
    const std::vector<ReadingLine>& lines = any ? m_entries[static_cast<std::size_t>(row)].reading.lines : nothingYet;
    writeReadingLines(*ui->isi->document(), lines);
    ui->isi->moveCursor(QTextCursor::Start);
}

void Triwayat::copyCaptions()
{
    QStringList captions;
    for (int row = 0; row < ui->daftar->count(); ++row)
        if (ui->daftar->item(row)->isSelected())
            captions << ui->daftar->item(row)->data(Qt::UserRole).toString();
    if (!captions.isEmpty())
        QApplication::clipboard()->setText(captions.join(QLatin1Char('\n')));
}

}  // namespace temparoka
