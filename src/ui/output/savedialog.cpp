#include "ui/output/savedialog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeDatabase>

#include <algorithm>
#include <array>
#include <optional>

namespace temparoka {

namespace {

struct FileKind {
    DocumentFormat format;
    const char* name;  // in the dialog's language, as its type column says it
    const char* patterns;
};
// The dialog's choices, in the order it offers them.
const std::array<FileKind, 4> kFileKinds = {{
    {DocumentFormat::Pdf, "Dokumen PDF", "*.pdf"},
    {DocumentFormat::Png, "Gambar PNG", "*.png"},
    {DocumentFormat::Html, "Halaman web", "*.html *.htm"},
    {DocumentFormat::Text, "Teks biasa", "*.txt"},
}};

const FileKind& fileKindOf(DocumentFormat format)
{
    return *std::find_if(kFileKinds.begin(), kFileKinds.end(),
                         [format](const FileKind& kind) { return kind.format == format; });
}

// The kind of file a filter stands for; PDF for none.
DocumentFormat formatOfFilter(const QStringList& filters, const QString& filter)
{
    const qsizetype at = filters.indexOf(filter);
    return kFileKinds[at < 0 ? 0 : static_cast<std::size_t>(at)].format;
}

// Only the name is given to the database, never the path, so that it has
// nothing to open.
QMimeType mimeTypeByName(const QFileInfo& info)
{
    return QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
}

}  // namespace

QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const
{
    if (info.isDir())
        return icon(Folder);
    if (!info.isFile())
        return icon(File);
    const QMimeType type = mimeTypeByName(info);
    return QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName(), icon(File)));
}

QString NameOnlyIconProvider::type(const QFileInfo& info) const
{
    // Qt's own words for these, so that its translations serve here too.
    if (info.isDir())
        return QCoreApplication::translate("QAbstractFileIconProvider", "Folder");
    if (!info.isFile())
        return QCoreApplication::translate("QAbstractFileIconProvider", "Unknown");
    // The dialog speaks Indonesian whatever the system's language, which
    // the file types' own descriptions follow: the kinds a reading is kept
    // as go by their names in the dialog, any other file by its extension.
    if (const std::optional<DocumentFormat> format = formatOfFile(info.fileName()))
        return QString::fromUtf8(fileKindOf(*format).name);
    const QString suffix = info.suffix();
    return suffix.isEmpty() ? QCoreApplication::translate("QAbstractFileIconProvider", "File")
                            : QStringLiteral("Berkas %1").arg(suffix.toUpper());
}

QString refusedName(const QString& typed)
{
    // The dialog reads a name in double quotes as a list of names and would
    // save under another name, in another folder.
    if (typed.contains(QLatin1Char('"')))
        return QStringLiteral("Nama berkas tidak boleh memuat tanda petik (\").\n"
                              "A file name cannot contain a double quote (\").");
    return {};
}

ReadingSaveDialog::ReadingSaveDialog(QWidget* parent, const QString& folder, const QString& name)
    : QFileDialog(parent, QStringLiteral("Simpan ramalan"))
{
    // A desktop's own dialog would bypass the name check and the icons.
    setOption(QFileDialog::DontUseNativeDialog);
    setIconProvider(&m_icons);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    for (const FileKind& kind : kFileKinds)
        m_filters << QString::fromUtf8(kind.name) + QStringLiteral(" (") + QString::fromUtf8(kind.patterns) +
                         QLatin1Char(')');
    setNameFilters(m_filters);
    setDirectory(folder);
    setDefaultSuffix(extensionOf(DocumentFormat::Pdf));
    selectFile(name + QStringLiteral(".pdf"));
    // Choosing another kind of file changes the name's extension with it.
    connect(this, &QFileDialog::filterSelected, this, [this](const QString& filter) {
        const DocumentFormat format = formatOfFilter(m_filters, filter);
        setDefaultSuffix(extensionOf(format));
        const QStringList chosen = selectedFiles();
        if (!chosen.isEmpty() && formatOfFile(chosen.first()))
            selectFile(QFileInfo(chosen.first()).completeBaseName() + QLatin1Char('.') + extensionOf(format));
    });
}

DocumentFormat ReadingSaveDialog::chosenFormat() const
{
    return formatOfFilter(m_filters, selectedNameFilter());
}

KeptFile ReadingSaveDialog::chosenFile() const
{
    return keptFile(selectedFiles().value(0), chosenFormat());
}

void ReadingSaveDialog::accept()
{
    auto* typed = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (typed) {
        if (const QString refusal = refusedName(typed->text()); !refusal.isEmpty()) {
            QMessageBox::warning(this, windowTitle(), refusal);
            return;
        }
        // The name as it will be written, so that the question whether to
        // replace an existing file asks about the file that will be.
        const QString named = selectedFiles().value(0);
        const QString kept = keptFile(named, chosenFormat()).path;
        if (!named.isEmpty() && kept != named && !QFileInfo(named).isDir())
            typed->setText(kept);
    }
    QFileDialog::accept();
}

}  // namespace temparoka
