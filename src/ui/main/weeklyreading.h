#pragma once
// The weekly horoscope, step by step, on the main window's stage:
// "&Ramalan" looks for this week's draw (losgehtsExecute) or deals the five
// cards (wuerfeln); the card the reader takes (sanskrClick) is recorded,
// and the run (vorhersage) plays the sound, chooses the week's text, saves
// the record and shows the reading. It owns the reader's record (the
// prediction history and the draw list) and its file; the main window
// starts it and hands it the birth data as one value. The earlier weeks
// (showHistory) are read from the same record.

#include "core/birthdata.h"
#include "core/predictiontable.h"
#include "core/record.h"
#include "files/recordfile.h"
#include "ui/main/mainwindowservices.h"

#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

namespace temparoka {

class TForm1;
class Tausform;
class Triwayat;

class WeeklyReading {
public:
    WeeklyReading(TForm1& stage, const MainWindowServices& services);

    // Finds and reads the record file. The birth data it holds, for the
    // entry to take back, when there is one; a damaged record is said in the
    // error box once the window is up, and the reading starts afresh.
    std::optional<BirthData> loadRecord();
    // Where the record file is read and saved, as found at start-up.
    const std::string& recordPath() const { return m_recordFile.path(); }

    // The windows the reading shows itself in: the output window once it
    // exists, the earlier readings as made on first use.
    void setOutputWindow(Tausform* window) { m_outputWindow = window; }
    void setHistoryWindow(std::function<Triwayat&()> window) { m_historyWindow = std::move(window); }

    // "&Ramalan": this week's draw for the birth data, read at once, or a
    // new deal. The golden frame waits for keys after a deal by mouse.
    void losgehtsExecute(const BirthData& birth, bool byMouse);
    // Opens a new draw: hides the entry, fades the prompt in, deals the cards.
    void wuerfeln(bool byMouse = false);
    void blendin(QWidget* label);
    void warten(double seconds);
    // The reader takes a card of the deal: it turns, the draw is kept and
    // the reading runs.
    void sanskrClick(int card);
    // The weekly reading for the card in karte, shown in the output window;
    // back to entry mode once the reader has closed it.
    void vorhersage();
    // Writes the whole record file with the birth data; throws FileError
    // and keeps the old file when that fails.
    void speichern(const BirthData& birth);
    // Appends (wurfwert, karte) to the draw list, in memory only.
    void wurfspeichern();
    // Lists the prediction history's readings, newest first, in the earlier
    // readings window; reads the record and changes nothing.
    void showHistory();
    // The prediction table, built from the database on the first run.
    const PredictionTable& texte();

    // The reader's record as it stands; index 0 is the oldest entry. Only
    // the reading's own steps change it.
    const PredictionHistory& history() const { return verlauf; }
    const DrawHistory& draws() const { return wuerfe; }
    // The card the reading is for, 0 while a deal waits for one.
    int card() const { return karte; }

private:
    // Tests and benchmarks set the record and the card directly.
    friend struct WeeklyReadingProbe;

    // Saves what an earlier failed save left owed, for a reading that
    // records nothing new; its failure does not stop the reading.
    void retryOwedSave();
    void turnCardFaceUp(int card);
    void turnCardFaceDown();

    TForm1& m_stage;
    const MainWindowServices& m_services;
    Tausform* m_outputWindow = nullptr;
    std::function<Triwayat&()> m_historyWindow;
    std::optional<PredictionTable> m_texte;
    RecordFile m_recordFile;
    // The birth data of the reading under way, as "&Ramalan" was pressed.
    BirthData m_birth;
    // Set while the record holds something the file lacks because a save
    // failed; the next reading saves again even when it records nothing new.
    bool m_saveOwed = false;
    // Set once the reader was told that a reading recording nothing new
    // could not save what was owed; cleared by the next save that succeeds.
    bool m_owedSaveFailureTold = false;
    int m_faceUpCard = 0;  // the card lying face up, 0 for none

    // The reader's record: the prediction history and the draw list.
    PredictionHistory verlauf{};
    DrawHistory wuerfe{};
    // The card of the reading, and the week's draw key it was dealt for.
    int karte = 0;
    double wurfwert = 0.0;
};

}  // namespace temparoka
