#pragma once
// The dream dictionary window ("Kamus Mimpi"): a search field over the
// entries that answer it, updated as the reader types (with the field
// empty, every entry under its theme, to browse), the meaning of the entry
// in hand beside the list, and "&Tampilkan", which plays the sound and
// shows the ticked entries (or the one in hand) in the output window as a
// reading of their own. The entries ticked stay ticked while the program
// runs, across searches, so that one dream's pictures can be gathered one
// search at a time. Nothing of it is saved.

#include "core/dictionarysearch.h"
#include "core/dreamdictionary.h"
#include "ui/shared/readingservices.h"

#include <QDialog>
#include <QStringList>

#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace temparoka {

class Tausform;

// The dictionary the program carries, read from its resources; throws
// Error when it is missing or damaged.
std::vector<DictionaryEntry> shippedDreamDictionary();

class Tkamusform : public QDialog {
    Q_OBJECT

public:
    Tkamusform(ReadingServices services, std::vector<DictionaryEntry> entries, Tausform& outputWindow,
               QWidget* parent = nullptr);
    ~Tkamusform() override;

    const std::vector<DictionaryEntry>& entries() const { return m_entries; }
    // The entries ticked, in the order they were ticked.
    const std::vector<std::size_t>& chosen() const { return m_chosen; }

    // "&Tampilkan": the sound, then the reading of the ticked entries, or of
    // the entry in hand when none is ticked.
    void tampilkanClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void search(const QString& query);
    void showInHand();
    void ticked(QTreeWidgetItem* item);
    void showChosen();
    QTreeWidgetItem* entryItem(std::size_t entry, QTreeWidgetItem* theme);
    // The entries "&Tampilkan" would show now.
    std::vector<std::size_t> toShow() const;

    ReadingServices m_services;
    std::vector<DictionaryEntry> m_entries;
    DictionarySearch m_search;
    Tausform& m_output;
    std::vector<std::size_t> m_chosen;
    QLineEdit* m_field;
    QTreeWidget* m_list;
    QTextEdit* m_meaning;
    QLabel* m_chosenLabel;
    QPushButton* m_show;
    QStringList m_captions;  // each entry as the list shows it
};

}  // namespace temparoka
