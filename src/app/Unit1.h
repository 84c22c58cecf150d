#pragma once
// The main window: the birth-data entry, the four commands, and the stage of
// the card draw. It owns the reader's record (prediction history and draw
// list), loads it from the record file while it is built and saves it when
// a reading records a new prediction. Other windows read the birth data from
// here at the moment they need it.

#include "app/record.h"

#include <QAction>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class QDialog;

namespace Ui {
class TForm1;
}

namespace temparoka {

class Clock;
class SoundPlayer;
class TDoubleImage;

// What the main window takes from the outside world. The program uses the
// defaults; tests pass their own clock, folder and sound.
struct MainWindowServices {
    std::shared_ptr<const Clock> clock;
    QString programFolder;  // ends with a path separator
    std::shared_ptr<SoundPlayer> sound;

    // The system clock, the executable's own folder and the real sound.
    static MainWindowServices defaults();
};

class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(MainWindowServices services, QWidget* parent = nullptr);
    ~TForm1() override;

    // Birth data as the controls hold it now.
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

    // Entry mode: birth-data controls and commands shown, cards and prompt hidden.
    void enterEntryMode();
    // Draw mode: entry controls hidden, prompt and cards shown.
    void enterDrawMode();
    void hideEntryControls();

    const Clock& clock() const { return *m_services.clock; }
    const QString& programFolder() const { return m_services.programFolder; }
    std::array<TDoubleImage*, 5> cards() const;

    // The windows the commands open, once they exist.
    void setDreamWindow(QDialog* window) { m_dreamWindow = window; }
    void setAboutBox(QDialog* box) { m_aboutBox = box; }

    QAction* losgehts = nullptr;
    QAction* notknow = nullptr;
    QAction* FileExit1 = nullptr;

signals:
    // "&Ramalan" found this week's draw (card in karte) or needs a new one.
    void weeklyReadingRequested(bool reuseDraw);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void gebdatChange();
    void gebzeitChange();
    void notknowExecute();
    void kindNWClick();
    void losgehtsExecute();
    void Button2Click();
    void ueberClick();

    void createActions();
    void applyLook();
    void loadPictures();
    void loadRecord();
    QList<QWidget*> entryControls() const;
    QList<QWidget*> drawControls() const;

    std::unique_ptr<Ui::TForm1> ui;
    MainWindowServices m_services;
    QDialog* m_dreamWindow = nullptr;
    QDialog* m_aboutBox = nullptr;
    bool m_centred = false;
};

}  // namespace temparoka
