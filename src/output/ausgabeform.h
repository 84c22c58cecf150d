#pragma once
// The output window: one read-only rich-text view that every reading clears,
// writes into and shows modally. It is also the TextWriter the readings
// write through: the view keeps a current colour and weight that each
// appended line takes, and clearing leaves them as they were. Readers can
// select and copy their reading; the copy keeps its colours.

#include "output/writer.h"

#include <QDialog>
#include <QTextCharFormat>

#include <memory>

class QTextEdit;

namespace Ui {
class Tausform;
}

namespace temparoka {

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

    // The donation window the "Support Temparoka" button opens, once it exists.
    void setDonationWindow(QDialog* window) { m_donationWindow = window; }

private:
    void SpendeKnopfClick();
    void endeClick();

    std::unique_ptr<Ui::Tausform> ui;
    QTextCharFormat m_format;
    bool m_hasLines = false;
    QDialog* m_donationWindow = nullptr;
};

}  // namespace temparoka
