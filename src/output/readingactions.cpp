#include "output/readingactions.h"

#include "common/errors.h"
#include "output/readingdocument.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTextEdit>

#include <array>
#include <memory>

namespace temparoka {

namespace {

struct FileKind {
    DocumentFormat format;
    const char* filter;
};
// The save dialog's choices, in the order it offers them.
const std::array<FileKind, 4> kFileKinds = {{
    {DocumentFormat::Pdf, "Dokumen PDF (*.pdf)"},
    {DocumentFormat::Png, "Gambar PNG (*.png)"},
    {DocumentFormat::Html, "Halaman web (*.html *.htm)"},
    {DocumentFormat::Text, "Teks biasa (*.txt)"},
}};

// The kind of file a filter of the save dialog stands for; PDF for none.
DocumentFormat formatOfFilter(const QStringList& filters, const QString& filter)
{
    const qsizetype at = filters.indexOf(filter);
    return kFileKinds[at < 0 ? 0 : static_cast<std::size_t>(at)].format;
}

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
    connect(m_save, &QAction::triggered, this, &ReadingActions::saveReading);
    connect(m_print, &QAction::triggered, this, &ReadingActions::printReading);
    connect(m_copyPicture, &QAction::triggered, this, &ReadingActions::copyAsPicture);
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
    QFileDialog dialog(m_window, QStringLiteral("Simpan ramalan"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const FileKind& kind : kFileKinds)
        filters << QString::fromUtf8(kind.filter);
    dialog.setNameFilters(filters);
    dialog.setDirectory(startFolder());
    dialog.setDefaultSuffix(extensionOf(DocumentFormat::Pdf));
    dialog.selectFile(QString::fromUtf8(readingFileName(document.reading())) + QStringLiteral(".pdf"));
    // Choosing another kind of file changes the name's extension with it.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& filter) {
        const DocumentFormat format = formatOfFilter(filters, filter);
        dialog.setDefaultSuffix(extensionOf(format));
        const QStringList chosen = dialog.selectedFiles();
        if (!chosen.isEmpty() && formatOfFile(chosen.first()))
            dialog.selectFile(QFileInfo(chosen.first()).completeBaseName() + QLatin1Char('.') + extensionOf(format));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().first();
    const DocumentFormat format = formatOfFile(path).value_or(formatOfFilter(filters, dialog.selectedNameFilter()));
    temparoka::saveReading(document, path, format);
    m_lastFolder = QFileInfo(path).absolutePath();
}

void ReadingActions::printReading()
{
    const ReadingDocument document(m_reading());
    QPrinter printer;
    printer.setResolution(ReadingDocument::kPageResolution);
    printer.setPageSize(localPageSize(QLocale()));
    const QString name = QString::fromUtf8(readingFileName(document.reading()));
    printer.setDocName(name);
    // With no printer set up, the dialog offers printing to a PDF file.
    if (QPrinterInfo::availablePrinters().isEmpty())
        printer.setOutputFileName(QDir(startFolder()).filePath(name + QStringLiteral(".pdf")));
    QPrintDialog dialog(&printer, m_window);
    dialog.setWindowTitle(QStringLiteral("Cetak ramalan"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    document.print(printer);
    if (printer.printerState() == QPrinter::Error) {
        const QString target = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        throw FileError("Cannot print to " + QFile::encodeName(target).toStdString());
    }
}

void ReadingActions::copyAsPicture()
{
    // Drawn at the screen's own density, so that it stays sharp when pasted.
    const ReadingDocument document(m_reading());
    QApplication::clipboard()->setImage(document.image(m_window->devicePixelRatioF()));
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
