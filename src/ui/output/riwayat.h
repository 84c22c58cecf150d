#pragma once
// The earlier readings: the prediction history's entries listed newest
// first ("Minggu ke-50" over the entry's first line), the chosen one shown
// whole as the output window shows it, and kept the same ways (save,
// print, copy as a picture). It is handed the entries each time it opens
// and changes nothing in the record.

#include "core/reading.h"

#include <QDialog>

#include <memory>
#include <vector>

namespace Ui {
class Triwayat;
}

namespace temparoka {

class ReadingActions;

class Triwayat : public QDialog {
    Q_OBJECT

public:
    explicit Triwayat(QWidget* parent = nullptr);
    ~Triwayat() override;

    // Lists the entries, shows the newest and waits until the reader closes
    // the window.
    void showReadings(std::vector<EarlierReading> entries);
    // Fills the list without showing the window.
    void setReadings(std::vector<EarlierReading> entries);

    // The entry on show; an empty reading when there is none.
    Reading chosenReading() const;

private:
    void showEntry(int row);
    void copyCaptions();

    std::unique_ptr<Ui::Triwayat> ui;
    std::vector<EarlierReading> m_entries;
    ReadingActions* m_actions;
};

}  // namespace temparoka
