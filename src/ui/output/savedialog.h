#pragma once
// The dialog that asks where to save a reading, and as what. The name the
// reader types is the file written, or the dialog says why not and stays
// open; the dialog never reads a file to show it, so that a folder such as
// /proc, a named pipe or a device cannot freeze it.

#include "export/readingdocument.h"

#include <QFileDialog>
#include <QFileIconProvider>
#include <QStringList>

namespace temparoka {

// Icons and kinds of entry told by their names and by what they are
// (folder, file, link, something else) alone. Qt's own provider looks
// inside a file without a known extension to tell its kind, and reading
// some files blocks for good.
class NameOnlyIconProvider : public QFileIconProvider {
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};

// Says why a typed name cannot be used as it stands, in Indonesian and
// English; empty when it can.
QString refusedName(const QString& typed);

class ReadingSaveDialog : public QFileDialog {
public:
    // Offers to save as the given name (without extension) in folder.
    ReadingSaveDialog(QWidget* parent, const QString& folder, const QString& name);

    // After acceptance: the file to write and what to write into it.
    KeptFile chosenFile() const;

    void accept() override;

private:
    DocumentFormat chosenFormat() const;

    QStringList m_filters;
    NameOnlyIconProvider m_icons;
};

}  // namespace temparoka
