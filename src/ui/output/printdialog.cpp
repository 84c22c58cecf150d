#include "ui/output/printdialog.h"

#include "core/errors.h"
#include "export/readingdocument.h"
#include "files/keptfile.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QScopedValueRollback>

namespace temparoka {

ReadingPrintDialog::ReadingPrintDialog(QPrinter* printer, QWidget* parent, const QString& fileName)
    : QPrintDialog(printer, parent), m_name(findChild<QLineEdit*>(QStringLiteral("filename")))
{
    setWindowTitle(QStringLiteral("Cetak ramalan"));
    // The name goes into the dialog's field, not to the printer, which
    // would write the file itself.
    if (m_name)
        m_name->setText(fileName);
    // Qt's OK button runs Qt's check of the fields, the file's too, before
    // it accepts; it runs ours first now, and Qt's without the file.
    if (auto* buttons = findChild<QDialogButtonBox*>()) {
        QObject::disconnect(buttons, &QDialogButtonBox::accepted, this, nullptr);
        connect(buttons, &QDialogButtonBox::accepted, this, &ReadingPrintDialog::confirm);
    }
}

QString ReadingPrintDialog::chosenFile() const
{
    if (!m_name || !m_name->isEnabled())
        return {};
    // As the dialog gives the name to the printer.
    const QString typed = m_name->text();
    return QDir::isRelativePath(typed) ? QDir::homePath() + QDir::separator() + typed : typed;
}

void ReadingPrintDialog::confirm()
{
    if (!fileMayBeWritten())
        return;
    const QScopedValueRollback checked(m_checked, true);
    // Qt checks the file only while its name can be edited; the other
    // fields it checks as ever, and then accepts.
    const bool toFile = m_name && m_name->isEnabled();
    const bool typing = toFile && m_name->hasFocus();
    if (toFile)
        m_name->setEnabled(false);
    if (!QMetaObject::invokeMethod(this, "_q_checkFields"))
        accept();
    if (!toFile)
        return;
    m_name->setEnabled(true);
    if (typing && isVisible())
        m_name->setFocus();
}

void ReadingPrintDialog::accept()
{
    if (!m_checked && !fileMayBeWritten())
        return;
    QPrintDialog::accept();
}

bool ReadingPrintDialog::fileMayBeWritten()
{
    const QString file = chosenFile();
    if (file.isEmpty())
        return true;  // printing on a printer
    const std::string path = QFile::encodeName(file).toStdString();
    const FileResult<bool> exists = keptFileExists(path);
    if (!exists.ok()) {
        const std::string why = readingNotSaved(path, exists.problem(), exists.error()).what();
        if (!showErrorBox(why))
            QMessageBox::warning(this, windowTitle(), QString::fromStdString(why));
        return false;
    }
    if (!exists.value())
        return true;
    // The question Qt's own check asks, in Qt's words and their translation.
    return QMessageBox::question(
               this, windowTitle(),
               QPrintDialog::tr("%1 already exists.\nDo you want to overwrite it?").arg(m_name->text()),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace temparoka
