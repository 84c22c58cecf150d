#include "ui/output/readingactions.h"

#include "core/errors.h"
#include "export/pages.h"
#include "export/readingdocument.h"
#include "ui/output/printdialog.h"
#include "ui/output/savedialog.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextEdit>

#include <exception>
#include <memory>

namespace temparoka {

namespace {

QAction* command(QWidget* window, const char* caption, const char* hint, const QKeySequence& keys)
{
    auto* action = new QAction(QString::fromUtf8(caption), window);
    action->setToolTip(QString::fromUtf8(hint));
    action->setShortcut(keys);
    window->addAction(action);
    return action;
}

}  // namespace

ReadingActions::ReadingActions(QWidget* window, std::function<Reading()> reading)
    : QObject(window), m_window(window), m_reading(std::move(reading)),
      m_save(command(window, "&Simpan...", "Save the reading as PDF, picture, web page or text", QKeySequence::Save)),
      m_print(command(window, "&Cetak...", "Print the reading", QKeySequence::Print)),
      m_copyPicture(command(window, "Salin sebagai gambar", "Copy the reading as a picture", {}))
{
    // A reading that cannot be kept says why in the error box, and the
    // window goes on.
    connect(m_save, &QAction::triggered, this, [this] { reportingFailures([this] { saveReading(); }); });
    connect(m_print, &QAction::triggered, this, [this] { reportingFailures([this] { printReading(); }); });
    connect(m_copyPicture, &QAction::triggered, this, [this] { reportingFailures([this] { copyAsPicture(); }); });
}

QAction* earlierReadingsCommand(QWidget* window)
{
    return command(window, "&Riwayat", "Earlier readings (Ctrl+H)", QKeySequence(Qt::CTRL | Qt::Key_H));
}

QString ReadingActions::startFolder() const
{
    // The first of them that exists: a home may be set and yet be missing.
    for (const QString& folder :
         {m_lastFolder, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), QDir::homePath()})
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    return QDir::currentPath();
}

void ReadingActions::saveReading()
{
    const ReadingDocument document(m_reading());
    ReadingSaveDialog dialog(m_window, startFolder(), QString::fromUtf8(readingFileName(document.reading())));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const KeptFile kept = dialog.chosenFile();
    temparoka::saveReading(document, kept.path, kept.format);
    m_lastFolder = QFileInfo(kept.path).absolutePath();
}

void ReadingActions::printReading()
{
    const ReadingDocument document(m_reading());
    QPrinter printer;
    printer.setResolution(ReadingDocument::kPageResolution);
    printer.setPageLayout(readingPageLayout(systemPaperSize()));
    const QString name = QString::fromUtf8(readingFileName(document.reading()));
    printer.setDocName(name);
    // Printing to a PDF file (all the dialog offers with no printer set up)
    // proposes the reading's name in the folder a save would open.
    ReadingPrintDialog dialog(&printer, m_window, QDir(startFolder()).filePath(name + QStringLiteral(".pdf")));
    if (dialog.exec() != QDialog::Accepted)
        return;
    // A PDF file is made here and saved like any kept reading, on the pages
    // chosen in the dialog.
    if (!printer.outputFileName().isEmpty()) {
        saveEncoded(document.pdf(printer.pageLayout(), printer.pageRanges()), printer.outputFileName());
        return;
    }
    document.print(printer);
    if (printer.printerState() == QPrinter::Error) {
        const std::string printerName = printer.printerName().toStdString();
        throw FileError(
            inBothLanguages("Ramalan tidak dapat dicetak ke " + printerName, "Cannot print to " + printerName));
    }
}

void ReadingActions::copyAsPicture()
{
    // Drawn at the screen's own density, so that it stays sharp when pasted.
    const ReadingDocument document(m_reading());
    const QImage picture = document.image(m_window->devicePixelRatioF());
    if (picture.isNull())
        throw Error(inBothLanguages("Ramalan tidak dapat disalin: memori tidak cukup untuk menggambarnya",
                                    "Cannot copy the reading: there is not enough memory to draw it"));
    // The picture, the web page and the plain text in one entry: each
    // application takes the richest of them it can show, and a text-only
    // field still gets the reading's words.
    auto data = std::make_unique<QMimeData>();
    data->setImageData(picture);
    if (const FileResult<QString> page = document.html(); page.ok())
        data->setHtml(page.value());
    data->setText(QString::fromStdString(readingPlainText(document.reading())));
    QApplication::clipboard()->setMimeData(data.release());
}

void ReadingActions::offerInMenu(QTextEdit* view, const QList<QAction*>& extra)
{
    m_view = view;
    m_extra = extra;
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
}

bool ReadingActions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ContextMenu || !m_view || (watched != m_view && watched != m_view->viewport()))
        return QObject::eventFilter(watched, event);
    const auto* request = static_cast<QContextMenuEvent*>(event);
    const QPoint at = watched == m_view ? m_view->viewport()->mapFrom(m_view, request->pos()) : request->pos();
    std::unique_ptr<QMenu> menu(m_view->createStandardContextMenu(at));
    menu->addSeparator();
    menu->addActions({m_save, m_print, m_copyPicture});
    menu->addActions(m_extra);
    menu->exec(request->globalPos());
    return true;
}

}  // namespace temparoka
