#pragma once
// The commands that keep the reading a window shows: save it to a file,
// print it, copy it as a picture. Each window that shows a reading (the
// output window, the earlier readings) makes one set, puts the commands on
// its buttons and its view's context menu, and hands over the reading it
// shows at the moment of the command. Every file, a printed PDF too, goes
// through the file layer (saveEncoded); a failure reaches the error box.

#include "core/reading.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QTextEdit;
class QWidget;

namespace temparoka {

// "&Riwayat" (Ctrl+H) on a window: the command that shows the earlier
// readings, wherever it is offered.
QAction* earlierReadingsCommand(QWidget* window);

class ReadingActions : public QObject {
public:
    ReadingActions(QWidget* window, std::function<Reading()> reading);

    // "&Simpan..." (Ctrl+S), "&Cetak..." (Ctrl+P), "Salin sebagai gambar".
    QAction* save() const { return m_save; }
    QAction* print() const { return m_print; }
    QAction* copyPicture() const { return m_copyPicture; }

    // The view's own menu (Copy, Select All) with these commands and the
    // extra ones below it, for the mouse and the menu key alike.
    void offerInMenu(QTextEdit* view, const QList<QAction*>& extra = {});

    // Where the save dialog opens: the reader's documents folder, else
    // home (else the working folder); after a save, the folder the reader
    // chose.
    QString startFolder() const;

private:
    void saveReading();
    void printReading();
    void copyAsPicture();
    bool eventFilter(QObject* watched, QEvent* event) override;

    QWidget* m_window;
    std::function<Reading()> m_reading;
    QAction* m_save;
    QAction* m_print;
    QAction* m_copyPicture;
    QTextEdit* m_view = nullptr;
    QList<QAction*> m_extra;
    QString m_lastFolder;
};

}  // namespace temparoka
