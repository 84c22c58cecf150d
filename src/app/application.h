#pragma once
// The application object. It names the program after its executable, sets
// the font substitutions the windows' fonts rely on, and shows the error
// box. Every user command reports its own failures there
// (reportingFailures); an exception that still escapes an event handler is
// a slip of ours, which notify shows in the same box as a last resort, and
// the program goes on with the next event.

#include <QApplication>
#include <QString>

#include <functional>

class QTranslator;

namespace temparoka {

// The standard error box: caption, text, error icon, one OK button.
using ErrorPresenter = std::function<void(const QString& title, const QString& text)>;

class TApplication : public QApplication {
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    bool notify(QObject* receiver, QEvent* event) override;

    // Tests replace the message box with a recorder.
    void setErrorPresenter(ErrorPresenter presenter);
    // Shows text in the standard error box, with the full-stop rule applied.
    void showError(const QString& text);

    static TApplication* instance();

private:
    ErrorPresenter m_presenter;
};

// The executable's file name up to its first ".", every letter after the
// first in lower case.
QString applicationTitleFrom(const QString& executablePath);

// "Comic Sans MS", "Century Gothic" and "MS Sans Serif" are drawn with the
// free look-alikes installed with the program.
void installFontSubstitutions();

// Puts Qt's own texts (the file and print dialogs, the context menus of the
// text views and fields, the message box's buttons) into Indonesian, from
// the translation compiled into the resources, since Qt has none. The
// application owns the translator; null if the resources lack it.
QTranslator* installQtTranslation();

// The message box the program shows by default.
void showStandardErrorBox(const QString& title, const QString& text);

// Called before the application object is made: windows are then painted
// through the display connection itself, never through memory shared with
// the X server. That memory comes as a file descriptor which the X server
// passes over the connection; with none free (the descriptor limit
// reached) the system drops it, and the X library waits for it for ever,
// so that the error box saying "Too many open files" would freeze the
// program for good. Painting through the connection needs no descriptor.
void paintWithoutSharedMemory();

// Called before the application object is made, for every user: Qt's own
// settings (the file dialog's last folder, history and column widths, which
// it would write as each dialog closes) are never kept in a file.
void keepQtSettingsOutOfFiles();

}  // namespace temparoka
