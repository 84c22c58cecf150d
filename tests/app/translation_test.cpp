// Qt's own dialogs and menus in Indonesian: the translation the program
// installs from its resources, string by string and as the save dialog, the
// print dialog and the context menus show it.

#include "app/application.h"
#include "ui/output/ausgabeform.h"
#include "ui/shared/birthfields.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

using namespace temparoka;

namespace {

struct Message {
    QString context, source, translation;
};

// Every message of the shipped translation, read from its source file.
std::vector<Message> shippedMessages()
{
    QFile file(QStringLiteral(TEMPAROKA_DATA_DIR "/translations/qt_id.ts"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"message")
            messages.push_back({context, {}, {}});
        else if (xml.name() == u"source" && !messages.empty())
            messages.back().source = xml.readElementText();
        else if (xml.name() == u"translation" && !messages.empty())
            messages.back().translation = xml.readElementText();
    }
    return messages;
}

// Words Indonesian readers use as they are: their desktops say "Printer".
const QSet<QString> kSameInIndonesian{QStringLiteral("Printer")};

// What the shipped translation says for source in context: the tests take
// the Indonesian from the table rather than write it again.
QString fromTable(const char* context, const char* source)
{
    for (const Message& message : shippedMessages())
        if (message.context == QLatin1String(context) && message.source == QString::fromUtf8(source))
            return message.translation;
    ADD_FAILURE() << "the translation has no " << context << ": " << source;
    return QStringLiteral("(none)");
}

// The letters accelerator markers pick; "&&" is a plain "&".
QString mnemonicsOf(const QString& text)
{
    QString letters;
    for (qsizetype at = text.indexOf(u'&'); at >= 0 && at + 1 < text.size(); at = text.indexOf(u'&', at + 2))
        if (text[at + 1] != u'&')
            letters += text[at + 1].toLower();
    return letters;
}

QStringList placeholdersOf(const QString& text)
{
    QStringList found;
    for (const auto& match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// What a dialog shows in words: captions, button texts, tab and group
// titles, list entries, column headers and tooltips.
QStringList shownTexts(QWidget* root)
{
    QStringList texts{root->windowTitle()};
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        texts << widget->toolTip();
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        if (auto* group = qobject_cast<QGroupBox*>(widget))
            texts << group->title();
        if (auto* tabs = qobject_cast<QTabWidget*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        if (auto* tree = qobject_cast<QTreeView*>(widget); tree && tree->model())
            for (int i = 0; i < tree->header()->count(); ++i)
                texts << tree->model()->headerData(i, Qt::Horizontal).toString();
    }
    texts.removeAll(QString());
    return texts;
}

// The entries of the context menu a widget opens, read while it is open:
// some widgets leave it open and return, others run it until it closes.
QString contextMenuOf(QWidget* widget)
{
    QStringList entries;
    const auto readAndClose = [&entries] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions())
            if (!action->isSeparator())
                entries << action->text().section(u'\t', 0, 0);
        menu->close();
    };
    QTimer whileRunning;
    whileRunning.setSingleShot(true);
    QObject::connect(&whileRunning, &QTimer::timeout, readAndClose);
    whileRunning.start(0);
    const QPoint at(10, 10);
    QContextMenuEvent request(QContextMenuEvent::Keyboard, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &request);
    if (whileRunning.isActive())
        readAndClose();
    return entries.join(u'|');
}

class Translation : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_translator.reset(installQtTranslation());
        ASSERT_TRUE(m_translator) << "the resources hold no translation";
        for (const Message& message : shippedMessages())
            if (!kSameInIndonesian.contains(message.source))
                m_english.insert(message.source);
    }

    // The texts shown that are still Qt's English.
    std::string english(const QStringList& shown) const
    {
        QStringList left;
        for (const QString& text : shown)
            if (m_english.contains(text))
                left << text;
        return left.join(u'|').toStdString();
    }

    // Deleting it takes it out of the application: the other tests see Qt's English.
    std::unique_ptr<QTranslator> m_translator;
    QSet<QString> m_english;
};

// One text is worded and cased one way wherever Qt shows it: the same
// source in two contexts, or two sources that differ only in case
// ("Create New Folder", "Create a New Folder"), read the same.
TEST_F(Translation, ATextReadsTheSameWhereverQtShowsIt)
{
    const std::vector<Message> messages = shippedMessages();
    ASSERT_GT(messages.size(), 200u);
    const auto plain = [](QString text) { return text.remove(u'&').toLower(); };
    for (const Message& a : messages)
        for (const Message& b : messages) {
            const std::string where = (a.context + u':' + a.source + u'|' + b.context + u':' + b.source).toStdString();
            if (a.source == b.source) {
                EXPECT_EQ(plain(a.translation).toStdString(), plain(b.translation).toStdString()) << where;
            }
            if (plain(a.translation) == plain(b.translation) && !a.translation.contains(u'&') &&
                !b.translation.contains(u'&')) {
                EXPECT_EQ(a.translation.toStdString(), b.translation.toStdString()) << where;
            }
        }
}

TEST_F(Translation, EveryMessageIsShippedKeepingPlaceholdersAcceleratorsAndEnding)
{
    const std::vector<Message> messages = shippedMessages();
    ASSERT_GT(messages.size(), 200u);
    for (const Message& message : messages) {
        const std::string where = (message.context + QStringLiteral(": ") + message.source).toStdString();
        const QString shipped =
            QCoreApplication::translate(message.context.toUtf8().constData(), message.source.toUtf8().constData());
        EXPECT_EQ(shipped.toStdString(), message.translation.toStdString()) << where;
        if (!kSameInIndonesian.contains(message.source)) {
            EXPECT_NE(shipped.toStdString(), message.source.toStdString()) << where;
        }
        EXPECT_EQ(placeholdersOf(shipped).join(u' ').toStdString(),
                  placeholdersOf(message.source).join(u' ').toStdString())
            << where;
        EXPECT_EQ(mnemonicsOf(shipped).size(), mnemonicsOf(message.source).size()) << where;
        // A caption ends as Qt's does: "File &name:" and "Show Details..." lead on.
        for (const char* ending : {":", "...", " ", ">>", "<<"})
            EXPECT_EQ(shipped.endsWith(QLatin1String(ending)), message.source.endsWith(QLatin1String(ending))) << where;
    }
}

// The file dialog keeps its last state in the user's settings as it goes:
// while this lives, it keeps it in a folder of the test's own.
class SettingsIn {
public:
    explicit SettingsIn(const QString& folder)
        : m_usual(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    }
    ~SettingsIn() { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_usual); }

private:
    QString m_usual;
};

TEST_F(Translation, SaveDialogShowsItsCaptionsButtonsAndColumnsInIndonesian)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const SettingsIn settings(folder.path());
    QFileDialog dialog(nullptr, QStringLiteral("Simpan ramalan"), folder.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList shown = shownTexts(&dialog);
    // clang-format off
    const std::pair<const char*, std::vector<const char*>> texts[] = {
        {"QFileDialog", {"Look in:", "File &name:", "Files of type:", "&Save", "Back", "Forward", "Parent Directory",
                         "Create New Folder", "List View", "Detail View"}},
        {"QFileSystemModel", {"Name", "Size", "Type", "Date Modified"}},
        {"QPlatformTheme", {"Cancel"}},
    };
    // clang-format on
    for (const auto& [context, sources] : texts)
        for (const char* source : sources)
            EXPECT_TRUE(shown.contains(fromTable(context, source)))
                << source << " is not among " << shown.join(u'|').toStdString();
    EXPECT_EQ(english(shown), "");
}

TEST_F(Translation, PrintDialogShowsItsPrinterCopiesAndPaperInIndonesian)
{
    QPrinter printer;
    QPrintDialog dialog(&printer);
    QStringList shown = shownTexts(&dialog);
    // The paper and its margins are set in the printer's properties.
    auto* properties = dialog.findChild<QAbstractButton*>(QStringLiteral("properties"));
    ASSERT_TRUE(properties && properties->isEnabled());
    QTimer whileOpen;
    whileOpen.setSingleShot(true);
    QObject::connect(&whileOpen, &QTimer::timeout, [&] {
        if (auto* open = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            shown << shownTexts(open);
            open->reject();
        }
    });
    whileOpen.start(0);
    properties->click();
    // clang-format off
    const std::pair<const char*, std::vector<const char*>> texts[] = {
        {"QPrintDialog", {"Print", "&Print", "All Pages"}},
        {"QPlatformTheme", {"Cancel"}},
        {"QPrintWidget", {"Printer", "&Name:", "P&roperties"}},
        {"QPrintSettingsOutput", {"Copies", "Copies:", "Collate", "Reverse", "Print range", "Print all", "Pages from",
                                  "to", "Options", "Color Mode", "Color", "Grayscale", "Double Sided Printing", "Off"}},
        {"QPrintPropertiesDialog", {"Printer Properties", "Job Options"}},
        {"QPrintPropertiesWidget", {"Page"}},
        {"QPageSetupWidget", {"Paper", "Page size:", "Orientation", "Portrait", "Landscape", "Margins", "Page Layout",
                              "Pages per sheet:"}},
        {"QPageSize", {"Custom"}},
    };
    // clang-format on
    for (const auto& [context, sources] : texts)
        for (const char* source : sources)
            EXPECT_TRUE(shown.contains(fromTable(context, source)))
                << context << ": " << source << " is not among " << shown.join(u'|').toStdString();
    EXPECT_EQ(english(shown), "");
}

TEST_F(Translation, MessageBoxButtonsAreIndonesian)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Temparoka"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Save | QMessageBox::Cancel);
    box.setDetailedText(QStringLiteral("rincian"));
    const QStringList shown = shownTexts(&box);
    for (const auto& [context, source] :
         {std::pair{"QPlatformTheme", "&Yes"}, std::pair{"QPlatformTheme", "&No"}, std::pair{"QPlatformTheme", "Save"},
          std::pair{"QPlatformTheme", "Cancel"}, std::pair{"QMessageBox", "Show Details..."}})
        EXPECT_TRUE(shown.contains(fromTable(context, source)))
            << source << " is not among " << shown.join(u'|').toStdString();
    EXPECT_EQ(english(shown), "");
}

TEST_F(Translation, ContextMenusAreIndonesianWithOneAcceleratorPerLetter)
{
    const QStringList editing{"&Urungkan", "Ula&ngi", "&Potong", "Sa&lin", "&Tempel", "Hapus"};
    const QString selectAll = fromTable("QLineEdit", "Select All");
    const QStringList stepping =
        editing + QStringList{fromTable("QAbstractSpinBox", "&Select All"), "Nai&kkan", "Tu&runkan"};
    // clang-format off
    const struct { const char* what; std::function<std::unique_ptr<QWidget>()> make; QStringList qtEntries; } cases[] = {
        {"a line edit", []() -> std::unique_ptr<QWidget> { return std::make_unique<QLineEdit>(); }, editing + QStringList{selectAll}},
        {"a text edit", []() -> std::unique_ptr<QWidget> { return std::make_unique<QTextEdit>(); }, editing + QStringList{selectAll}},
        {"the birthday", []() -> std::unique_ptr<QWidget> { return std::make_unique<BirthDateEdit>(); }, stepping},
        {"the children", []() -> std::unique_ptr<QWidget> { return std::make_unique<ChildrenSpinBox>(); }, stepping},
        // The reading's menu ends with the program's own commands.
        {"the reading", []() -> std::unique_ptr<QWidget> { return std::make_unique<Tausform>(); }, {"Sa&lin", selectAll}},
    };
    // clang-format on
    for (const auto& row : cases) {
        const std::unique_ptr<QWidget> window = row.make();
        window->show();
        QWidget* target = window.get();
        if (auto* reading = qobject_cast<Tausform*>(window.get()))
            target = reading->ausfenster();
        const QStringList entries = contextMenuOf(target).split(u'|');
        EXPECT_EQ(entries.mid(0, row.qtEntries.size()).join(u'|').toStdString(), row.qtEntries.join(u'|').toStdString())
            << row.what;
        QSet<QChar> letters;
        for (const QString& entry : entries) {
            for (const QChar letter : mnemonicsOf(entry)) {
                EXPECT_FALSE(letters.contains(letter))
                    << row.what << ": " << entry.toStdString() << " shares its accelerator";
                letters.insert(letter);
            }
        }
    }
}

}  // namespace
