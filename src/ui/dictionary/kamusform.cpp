#include "ui/dictionary/kamusform.h"

#include "core/dictionaryreading.h"
#include "core/errors.h"
#include "export/readinglook.h"
#include "ui/output/ausgabeform.h"
#include "ui/shared/keys.h"
#include "ui/shared/look.h"

#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <algorithm>

namespace temparoka {

namespace {

// Where an entry's item keeps the entry's index; a theme's item has none.
constexpr int kEntryRole = Qt::UserRole;

std::optional<std::size_t> entryOf(const QTreeWidgetItem* item)
{
    if (!item || !item->data(0, kEntryRole).isValid())
        return std::nullopt;
    return static_cast<std::size_t>(item->data(0, kEntryRole).toULongLong());
}

QString html(const std::string& text)
{
    return QString::fromStdString(text).toHtmlEscaped();
}

}  // namespace

std::vector<DictionaryEntry> shippedDreamDictionary()
{
    QFile file(QStringLiteral(":/kamusmimpi.txt"));
    if (!file.open(QIODevice::ReadOnly))
        throw Error(
            inBothLanguages("Kamus mimpi tidak ada dalam program", "The dream dictionary is missing from the program"));
    return readDreamDictionary(file.readAll().toStdString());
}

Tkamusform::Tkamusform(ReadingServices services, std::vector<DictionaryEntry> entries, Tausform& outputWindow,
                       QWidget* parent)
    : QDialog(parent), m_services(std::move(services)), m_entries(std::move(entries)), m_search(m_entries),
      m_output(outputWindow)
{
    setObjectName(QStringLiteral("kamusform"));
    setWindowTitle(QStringLiteral("Kamus Mimpi"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowIcon(pictureIcon(QStringLiteral(":/pictures/icon_dream.png")));

    auto* label = new QLabel(QStringLiteral("&Cari gambar mimpi:"), this);
    label->setObjectName(QStringLiteral("cariLabel"));
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("cari"));
    label->setBuddy(m_field);
    m_field->setPlaceholderText(QStringLiteral("mis. digigit ular, gigi copot, flood"));
    m_field->setClearButtonEnabled(true);
    // Qt's own clear button has no name a screen reader could say.
    for (QToolButton* clear : m_field->findChildren<QToolButton*>())
        clear->setAccessibleName(QStringLiteral("Kosongkan pencarian"));
    m_field->setToolTip(QStringLiteral("Type a dream picture in Indonesian or English"));
    m_field->setAccessibleName(QStringLiteral("Cari gambar mimpi"));
    m_field->setAccessibleDescription(QStringLiteral("Dalam bahasa Indonesia atau bahasa Inggris"));

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("daftar"));
    m_list->setHeaderHidden(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setToolTip(QStringLiteral("Dream pictures: Space ticks one for the reading"));
    m_list->setAccessibleName(QStringLiteral("Gambar mimpi"));
    m_list->setAccessibleDescription(QStringLiteral("Spasi mencentang satu gambar untuk tafsiran"));

    m_meaning = new QTextEdit(this);
    m_meaning->setObjectName(QStringLiteral("arti"));
    m_meaning->setReadOnly(true);
    showAsReading(m_meaning);
    m_meaning->setToolTip(QStringLiteral("What the dream picture means"));
    m_meaning->setAccessibleName(QStringLiteral("Arti mimpi"));
    m_meaning->setAccessibleDescription(QStringLiteral("Dalam bahasa Indonesia, lalu dalam bahasa Inggris"));

    m_chosenLabel = new QLabel(this);
    m_chosenLabel->setObjectName(QStringLiteral("dipilih"));
    m_chosenLabel->setTextFormat(Qt::RichText);
    m_chosenLabel->setWordWrap(true);

    m_show = new QPushButton(QStringLiteral("&Tampilkan"), this);
    m_show->setObjectName(QStringLiteral("tampilkan"));
    m_show->setToolTip(QStringLiteral("Show the meanings as a reading"));
    m_show->setDefault(true);
    auto* close = new QPushButton(QStringLiteral("T&utup"), this);
    close->setObjectName(QStringLiteral("tutup"));
    close->setToolTip(QStringLiteral("Close"));

    // Sized by its font, so that a reader who asks the desktop for larger
    // letters gets a larger window, not clipped words: the list as wide as
    // its longest headword in either language. A picture whose two
    // headwords do not fit one line gets two; each caption is made once.
    const QFontMetrics metrics(font());
    int widest = metrics.averageCharWidth() * 36;
    for (const DictionaryEntry& entry : m_entries)
        widest = std::max({widest, metrics.horizontalAdvance(QString::fromStdString(entry.indonesian)),
                           metrics.horizontalAdvance(QString::fromStdString(entry.english))});
    for (const DictionaryEntry& entry : m_entries) {
        const QString indonesian = QString::fromStdString(entry.indonesian);
        const QString english = QString::fromStdString(entry.english);
        const QString oneLine = indonesian + QStringLiteral(" \u2014 ") + english;
        m_captions << (metrics.horizontalAdvance(oneLine) <= widest ? oneLine
                                                                    : indonesian + QLatin1Char('\n') + english);
    }
    m_list->setMinimumSize(widest + m_list->indentation() + 3 * metrics.lineSpacing() +
                               style()->pixelMetric(QStyle::PM_ScrollBarExtent),
                           metrics.lineSpacing() * 26);
    m_meaning->setMinimumWidth(m_meaning->fontMetrics().averageCharWidth() * 46);

    auto* searching = new QVBoxLayout;
    searching->addWidget(label);
    searching->addWidget(m_field);
    searching->addWidget(m_list);
    auto* panes = new QHBoxLayout;
    panes->addLayout(searching);
    panes->addWidget(m_meaning, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_chosenLabel, 1);
    buttons->addWidget(m_show, 0, Qt::AlignBottom);
    buttons->addWidget(close, 0, Qt::AlignBottom);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(panes);
    whole->addLayout(buttons);
    setTabOrder(m_field, m_list);
    setTabOrder(m_list, m_meaning);
    setTabOrder(m_meaning, m_show);
    setTabOrder(m_show, close);

    connect(m_field, &QLineEdit::textChanged, this, &Tkamusform::search);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &Tkamusform::showInHand);
    connect(m_list, &QTreeWidget::itemChanged, this, &Tkamusform::ticked);
    connect(m_show, &QPushButton::clicked, this, [this] { reportingFailures([this] { tampilkanClick(); }); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    m_field->installEventFilter(this);
    m_list->installEventFilter(this);
    enterPressesFocusedButton(this);
    focusFirstOnShow(this, m_field);

    search({});
    showChosen();
    // The size its layouts ask for at the desktop's font size; the reader
    // may make it larger.
    layout()->activate();
    resize(sizeHint());
}

Tkamusform::~Tkamusform() = default;

QTreeWidgetItem* Tkamusform::entryItem(std::size_t entry, QTreeWidgetItem* theme)
{
    auto* item = theme ? new QTreeWidgetItem(theme) : new QTreeWidgetItem(m_list);
    item->setText(0, m_captions[static_cast<qsizetype>(entry)]);
    item->setData(0, kEntryRole, static_cast<qulonglong>(entry));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    const bool ticked = std::find(m_chosen.begin(), m_chosen.end(), entry) != m_chosen.end();
    item->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
    return item;
}

void Tkamusform::search(const QString& query)
{
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    const std::string text = query.toStdString();
    if (searchWords(text).empty()) {
        // Nothing typed: every entry under its theme, A to Z.
        QFont bold = m_list->font();
        bold.setBold(true);
        for (const ThemeName& theme : dreamThemes()) {
            auto* item = new QTreeWidgetItem(m_list, {QString::fromUtf8(theme.indonesian) + QStringLiteral(" \u2014 ") +
                                                      QString::fromUtf8(theme.english)});
            item->setFont(0, bold);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            std::vector<std::size_t> members;
            for (std::size_t i = 0; i < m_entries.size(); ++i)
                if (m_entries[i].theme == theme.theme)
                    members.push_back(i);
            std::sort(members.begin(), members.end(), [this](std::size_t a, std::size_t b) {
                return m_entries[a].indonesian < m_entries[b].indonesian;
            });
            for (std::size_t entry : members)
                entryItem(entry, item);
        }
        m_list->setRootIsDecorated(true);
        m_list->expandAll();
        m_list->setCurrentItem(nullptr);
    } else {
        // The best answer in hand at once, as the reader types.
        m_list->setRootIsDecorated(false);
        for (const DictionaryHit& hit : m_search.find(text))
            entryItem(hit.entry, nullptr);
        m_list->setCurrentItem(m_list->topLevelItem(0));
    }
    showInHand();
}

void Tkamusform::showInHand()
{
    std::vector<ReadingLine> lines;
    if (const std::optional<std::size_t> entry = entryOf(m_list->currentItem())) {
        lines = entryLines(m_entries[*entry]);
    } else if (m_list->topLevelItemCount() == 0) {
        const std::string typed = m_field->text().trimmed().toStdString();
        lines = {{"Tidak ada gambar mimpi yang cocok dengan \u201C" + typed + "\u201D.", Language::Indonesian, false},
                 {"No dream picture matches \u201C" + typed + "\u201D.", Language::English, false},
                 {"", Language::Indonesian, false},
                 {"Coba kata lain, atau kosongkan kolom pencarian untuk melihat semua gambar menurut temanya.",
                  Language::Indonesian, false},
                 {"Try another word, or clear the search field to browse every picture by its theme.",
                  Language::English, false}};
    } else {
        lines = {{"Ketik gambar mimpi Anda, atau pilih dari daftar.", Language::Indonesian, false},
                 {"Type your dream picture, or pick one from the list.", Language::English, false}};
    }
    m_meaning->clear();
    writeReadingLines(*m_meaning->document(), lines);
    m_show->setEnabled(!toShow().empty());
}

void Tkamusform::ticked(QTreeWidgetItem* item)
{
    const std::optional<std::size_t> entry = entryOf(item);
    if (!entry)
        return;
    const auto at = std::find(m_chosen.begin(), m_chosen.end(), *entry);
    if (item->checkState(0) == Qt::Checked && at == m_chosen.end())
        m_chosen.push_back(*entry);
    else if (item->checkState(0) != Qt::Checked && at != m_chosen.end())
        m_chosen.erase(at);
    showChosen();
}

void Tkamusform::showChosen()
{
    QStringList indonesian;
    QStringList english;
    for (std::size_t entry : m_chosen) {
        indonesian << html(m_entries[entry].indonesian);
        english << html(m_entries[entry].english);
    }
    const QString blue = colourOf(Language::English).name();
    if (m_chosen.empty())
        m_chosenLabel->setText(QStringLiteral("Centang beberapa gambar (Spasi) untuk satu mimpi.<br><span "
                                              "style=\"color:%1\">Tick several pictures (Space) for one dream.</span>")
                                   .arg(blue));
    else
        m_chosenLabel->setText(
            QStringLiteral("Dipilih: %1<br><span style=\"color:%2\">Chosen: %3</span>")
                .arg(indonesian.join(QStringLiteral(", ")), blue, english.join(QStringLiteral(", "))));
    m_show->setEnabled(!toShow().empty());
}

std::vector<std::size_t> Tkamusform::toShow() const
{
    if (!m_chosen.empty())
        return m_chosen;
    if (const std::optional<std::size_t> entry = entryOf(m_list->currentItem()))
        return {*entry};
    return {};
}

void Tkamusform::tampilkanClick()
{
    std::vector<const DictionaryEntry*> picked;
    for (std::size_t entry : toShow())
        picked.push_back(&m_entries[entry]);
    if (picked.empty())
        return;
    m_services.playReadingSound();
    m_output.showReading(dictionaryReading(picked, m_services.today(), m_output.pen()));
}

bool Tkamusform::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Down from the field goes into the list, on the entry in hand or
        // the first one; Up from the list's top comes back.
        if (watched == m_field && key == Qt::Key_Down && m_list->topLevelItemCount() > 0) {
            if (!entryOf(m_list->currentItem()))
                for (QTreeWidgetItemIterator it(m_list); *it; ++it)
                    if (entryOf(*it)) {
                        m_list->setCurrentItem(*it);
                        break;
                    }
            m_list->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (watched == m_list && key == Qt::Key_Up && m_list->currentItem() == m_list->topLevelItem(0)) {
            m_field->setFocus(Qt::BacktabFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Tkamusform::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Typing at once replaces the last search.
    m_field->selectAll();
}

}  // namespace temparoka
