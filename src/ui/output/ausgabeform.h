#pragma once
// The output window: one read-only rich-text view that shows each reading
// modally, as the rules computed it. Readers can select and copy their
// reading; the copy keeps its colours. The reading on show is kept as it
// came, so that the reader can save, print or copy it as a picture, and the
// earlier weeks are a key away.

#include "core/reading.h"

#include "ui/shared/onfirstuse.h"

#include <functional>
#include <memory>

class QAction;
class QTextEdit;

namespace Ui {
class Tausform;
}

namespace temparoka {

class ReadingActions;

class Tausform : public DialogOnFirstUse {
    Q_OBJECT

public:
    explicit Tausform(QWidget* parent = nullptr);
    ~Tausform() override;

    QTextEdit* ausfenster() const;

    // Puts the reading in the view in place of the last one; a weekly
    // reading opens on its first line. Then shows the window modally and
    // returns once the reader has closed it.
    void showReading(const Reading& reading);
    // The same without showing the window.
    void setReading(const Reading& reading);
    // The reading on show, as it is kept.
    const Reading& reading() const { return m_reading; }
    // The pen the last reading left, which the next one starts with.
    Pen pen() const { return m_reading.pen; }

    // The donation window the "Support Temparoka" button opens, once it exists.
    void setDonationWindow(QDialog* window) { m_donationWindow = window; }
    // What "&Riwayat" (Ctrl+H) does: shows the earlier readings.
    void setHistoryCommand(std::function<void()> command) { m_showHistory = std::move(command); }

    ReadingActions& actions() const { return *m_actions; }

protected:
    void build() override;

private:
    void SpendeKnopfClick();
    void endeClick();

    ControlsOnFirstUse<Ui::Tausform> ui;
    Reading m_reading;
    ReadingActions* m_actions;
    QAction* m_history;
    QDialog* m_donationWindow = nullptr;
    std::function<void()> m_showHistory;
};

}  // namespace temparoka
