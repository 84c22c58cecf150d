#pragma once
// The main window: the birth-data entry, the four commands, and the stage of
// the card draw. It owns the reader's record (prediction history and draw
// list), loads it from the record file while it is built and saves it when
// a reading records a new prediction. The dream and weton windows are handed
// the birth data, as one value, when they are opened.

#include "core/birthdata.h"
#include "core/predictiontable.h"
#include "core/reading.h"
#include "core/record.h"
#include "files/recordfile.h"
#include "ui/shared/readingservices.h"

#include <QAction>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QDialog;

namespace Ui {
class TForm1;
}

namespace temparoka {

class Clock;
class RamalanClicks;
class SoundPlayer;
class Tausform;
class TDoubleImage;
class Triwayat;
class Ttraumfenster;
class Twetonform;

// What the main window takes from the outside world. The program uses the
// defaults; tests pass their own clock, folder and sound.
struct MainWindowServices {
    std::shared_ptr<const Clock> clock;
    // As the system names it, ending with "/": a folder's name need not be
    // valid text.
    std::string programFolder;
    std::shared_ptr<SoundPlayer> sound;
    // Pauses the card deal for the given seconds without handling events.
    std::function<void(double seconds)> sleep;
    // Keeps the record when the program folder cannot (ends with "/"), or
    // why there is none.
    Location dataFolder = Failure{"no data folder was given"};

    // The system clock, the executable's own folder, the real sound, a
    // sleep on the monotonic clock and the user's data folder.
    static MainWindowServices defaults();
    // What the windows that read take of them.
    ReadingServices readingServices() const { return {clock, programFolder, sound}; }
};

class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(MainWindowServices services, QWidget* parent = nullptr);
    ~TForm1() override;

    // Birth data as the controls hold it now.
    BirthData birthData() const;
    double birthday() const;
    double timeOfBirth() const;
    int children() const;

    // The reader's record; index 0 is the oldest entry.
    PredictionHistory verlauf{};
    DrawHistory wuerfe{};
    int karte = 0;
    double wurfwert = 0.0;

    // Writes the whole record file; throws FileError and keeps the old file
    // when that fails.
    void speichern();
    // Appends (wurfwert, karte) to the draw list, in memory only.
    void wurfspeichern();
    // Starts the reading sound from the program folder; throws MediaError.
    void tonabspielen();

    // The weekly reading for the card in karte, shown in the output window;
    // returns to entry mode once the reader has closed it.
    void vorhersage();
    // Lists the prediction history's readings, newest first, in the earlier
    // readings window; reads the record and changes nothing.
    void showHistory();
    // Opens a new draw: hides the entry, fades the prompt in, deals the
    // cards. The golden frame waits for keys after a deal by mouse.
    void wuerfeln(bool byMouse = false);
    void blendin(QWidget* label);
    void warten(double seconds);
    // Builds the prediction table from textquelle on first use.
    const PredictionTable& texte();

    // Entry mode: birth-data controls and commands shown, cards and prompt hidden.
    void enterEntryMode();
    void hideEntryControls();

    const Clock& clock() const { return *m_services.clock; }
    const std::string& programFolder() const { return m_services.programFolder; }
    // Where the record file is read and saved, as found at start-up.
    const std::string& recordPath() const { return m_recordFile.path(); }
    std::array<TDoubleImage*, 5> cards() const;

    // The windows the commands open, once they exist.
    void setDreamWindow(Ttraumfenster* window) { m_dreamWindow = window; }
    void setWetonWindow(Twetonform* window) { m_wetonWindow = window; }
    void setAboutBox(QDialog* box) { m_aboutBox = box; }
    void setOutputWindow(Tausform* window) { m_outputWindow = window; }
    void setHistoryWindow(Triwayat* window) { m_historyWindow = window; }

    QAction* losgehts = nullptr;
    QAction* notknow = nullptr;
    QAction* FileExit1 = nullptr;
    QAction* riwayat = nullptr;  // Ctrl+H: the earlier readings

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The birthday field takes dates entered up to today by the program's
    // clock. The day moves on while the program runs, so every reading sets
    // the bound again before it reads the birthday; the birthday the field
    // holds stays, however the clock moves.
    void latestBirthdayToday();
    void gebdatChange();
    void gebzeitChange();
    void notknowExecute();
    void kindNWClick();
    void losgehtsExecute();
    void Button2Click();
    void wetonClick();
    void ueberClick();
    void sanskrClick(int card);
    void sanskr1Click() { sanskrClick(1); }
    void sanskr2Click() { sanskrClick(2); }
    void sanskr3Click() { sanskrClick(3); }
    void sanskr4Click() { sanskrClick(4); }
    void sanskr5Click() { sanskrClick(5); }
    // Saves what an earlier failed save left owed, for a reading that
    // records nothing new; its failure does not stop the reading.
    void retryOwedSave();
    void turnCardFaceUp(int card);
    void turnCardFaceDown();

    void createActions();
    void watchRamalanClicks();
    void applyLook();
    void loadPictures();
    void loadRecord();
    void loadDatabase();
    QList<QWidget*> entryControls() const;
    QList<QWidget*> drawControls() const;

    std::unique_ptr<Ui::TForm1> ui;
    MainWindowServices m_services;
    Ttraumfenster* m_dreamWindow = nullptr;
    Twetonform* m_wetonWindow = nullptr;
    QDialog* m_aboutBox = nullptr;
    Tausform* m_outputWindow = nullptr;
    Triwayat* m_historyWindow = nullptr;
    std::optional<PredictionTable> m_texte;
    RecordFile m_recordFile;
    // Set while the record holds something the file lacks because a save
    // failed; the next reading saves again even when it records nothing new.
    bool m_saveOwed = false;
    // Set once the reader was told that a reading recording nothing new
    // could not save what was owed; cleared by the next save that succeeds.
    bool m_owedSaveFailureTold = false;
    // Tells a deal started by a click of the mouse from one started by keys.
    RamalanClicks* m_ramalanClicks = nullptr;
    int m_faceUpCard = 0;  // the card lying face up, 0 for none
    bool m_centred = false;
};

}  // namespace temparoka
