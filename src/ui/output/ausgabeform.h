#pragma once
// The output window: one read-only rich-text view that every reading clears,
// writes into and shows modally. It is also the TextWriter the readings
// write through: the view keeps a current colour and weight that each
// appended line takes, and clearing leaves them as they were. Readers can
// select and copy their reading; the copy keeps its colours. What is
// written is also kept as a Reading, so that the reader can save, print or
// copy it as a picture, and the earlier weeks are a key away.

#include "core/reading.h"
#include "core/writer.h"

#include <QDialog>

#include <functional>
#include <memory>

class QAction;
class QTextEdit;

namespace Ui {
class Tausform;
}

namespace temparoka {

class ReadingActions;

class Tausform : public QDialog, public TextWriter {
    Q_OBJECT

public:
    explicit Tausform(QWidget* parent = nullptr);
    ~Tausform() override;

    QTextEdit* ausfenster() const;

    void clear() override;
    void setColour(TextColour colour) override;
    void setBold(bool bold) override;
    void appendLine(std::string_view line) override;

    // Puts the caret at the start, so the window opens on the first line.
    void caretToStart();

    // What the text being written is: a reading tells this after clearing
    // (its kind, day and card; the lines are recorded as they come).
    void setReadingKind(const Reading& heading);
    // The reading on show, as it is kept.
    Reading reading() const;

    // The donation window the "Support Temparoka" button opens, once it exists.
    void setDonationWindow(QDialog* window) { m_donationWindow = window; }
    // What "&Riwayat" (Ctrl+H) does: shows the earlier readings.
    void setHistoryCommand(std::function<void()> command) { m_showHistory = std::move(command); }

    ReadingActions& actions() const { return *m_actions; }

private:
    void SpendeKnopfClick();
    void endeClick();

    std::unique_ptr<Ui::Tausform> ui;
    ReadingRecorder m_recorder;
    Reading m_heading;
    ReadingActions* m_actions;
    QAction* m_history;
    QDialog* m_donationWindow = nullptr;
    std::function<void()> m_showHistory;
};

}  // namespace temparoka
