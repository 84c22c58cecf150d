#pragma once
// The main window: the birth-data entry, the commands, and the stage of the
// card draw. It hosts the weekly reading (weeklyreading.h), which owns the
// reader's record and is made, and loads the record file, while the window
// is built; the window takes the record's birth data back into its fields.
// The weekly reading and the dream and weton windows are handed the birth
// data, as one value, when they start.

#include "core/birthdata.h"
#include "ui/main/mainwindowservices.h"
#include "ui/main/weeklyreading.h"

#include <QAction>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QDialog;
class QLabel;

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

    // The weekly reading, with the reader's record.
    WeeklyReading& weekly() { return m_weekly; }
    // Writes the whole record file with the birth data the fields hold;
    // throws FileError and keeps the old file when that fails.
    void speichern() { m_weekly.speichern(birthData()); }
    // Starts the reading sound from the program folder; throws MediaError.
    void tonabspielen() { m_services.readingServices().playReadingSound(); }

    // Entry mode: birth-data controls and commands shown, cards and prompt hidden.
    void enterEntryMode();
    void hideEntryControls();

    const Clock& clock() const { return *m_services.clock; }
    const std::string& programFolder() const { return m_services.programFolder; }
    // Where the record file is read and saved, as found at start-up.
    const std::string& recordPath() const { return m_weekly.recordPath(); }
    std::array<TDoubleImage*, 5> cards() const;
    // "Silakan memilih satu kartu", shown while the cards lie there.
    QLabel* prompt() const;
    // The prediction database, for the invisible memo that holds it from the
    // first reading on (filling it costs start-up a layout of 800 lines).
    void holdDatabase(const QString& text);

    // The windows the commands open: those made at start once they exist,
    // the weton window as made on first use.
    void setDreamWindow(Ttraumfenster* window) { m_dreamWindow = window; }
    void setWetonWindow(std::function<Twetonform&()> window) { m_wetonWindow = std::move(window); }
    void setAboutBox(QDialog* box) { m_aboutBox = box; }
    // What "K&amus" does: opens the dream dictionary, made on first use.
    void setDictionaryCommand(std::function<void()> command) { m_openDictionary = std::move(command); }
    void setOutputWindow(Tausform* window) { m_weekly.setOutputWindow(window); }
    void setHistoryWindow(std::function<Triwayat&()> window) { m_weekly.setHistoryWindow(std::move(window)); }

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
    void sanskr1Click() { m_weekly.sanskrClick(1); }
    void sanskr2Click() { m_weekly.sanskrClick(2); }
    void sanskr3Click() { m_weekly.sanskrClick(3); }
    void sanskr4Click() { m_weekly.sanskrClick(4); }
    void sanskr5Click() { m_weekly.sanskrClick(5); }

    void createActions();
    void applyLook();
    void loadPictures();
    void restoreBirthData(const BirthData& data);
    QList<QWidget*> entryControls() const;
    QList<QWidget*> drawControls() const;

    std::unique_ptr<Ui::TForm1> ui;
    MainWindowServices m_services;
    Ttraumfenster* m_dreamWindow = nullptr;
    std::function<Twetonform&()> m_wetonWindow;
    QDialog* m_aboutBox = nullptr;
    std::function<void()> m_openDictionary;
    WeeklyReading m_weekly;
    // Tells a deal started by a click of the mouse from one started by keys.
    RamalanClicks* m_ramalanClicks = nullptr;
    bool m_centred = false;
};

}  // namespace temparoka
