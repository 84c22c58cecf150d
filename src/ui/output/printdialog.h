#pragma once
// The dialog that prints a reading, on a printer or to a PDF file. A file
// named for printing is checked when OK is pressed, by the rules of any
// save, and it is never opened here: Qt's own check of the name opens it
// for appending, which through a link planted there creates the file the
// link leads to, and on a named pipe waits for ever. The PDF itself is
// written later by the file layer, which checks the name once more.

#include <QPrintDialog>
#include <QString>

class QLineEdit;
class QPrinter;

namespace temparoka {

class ReadingPrintDialog : public QPrintDialog {
public:
    // Proposes fileName for printing to a file.
    ReadingPrintDialog(QPrinter* printer, QWidget* parent, const QString& fileName);

    // Refuses, and stays open, while the file named may not be written;
    // asks before a file that is there is replaced.
    void accept() override;

private:
    // The file that printing to a file writes, as the dialog hands it to
    // the printer (a relative name is taken in the home folder); empty
    // when printing on a printer.
    QString chosenFile() const;
    // The OK button: our check of the file, then Qt's of everything else.
    void confirm();
    // Whether printing may go on: printing to a printer, or to a name that
    // a save may write and, if it is there, that the reader agrees to
    // replace. A refusal says why in the error box.
    bool fileMayBeWritten();

    QLineEdit* m_name;
    bool m_checked = false;
};

}  // namespace temparoka
