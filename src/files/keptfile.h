#pragma once
// The files a reader keeps a reading in (PDF, PNG, HTML, text): how a save
// of one is judged before it is made and how it is written, through the
// file layer, with what went wrong said in both languages. The encodings
// above hand their bytes here; nothing else of theirs touches a file.

#include "core/errors.h"
#include "files/nativefile.h"

#include <QByteArray>
#include <QString>

#include <string>

namespace temparoka {

// A file's bytes as an encoding gave them, or why there are none.
using Encoded = FileResult<QByteArray>;

// A kept reading that could not be saved, or may not be saved there, told
// in both languages like the reading itself; the path as the system names
// it, in both.
FileError readingNotSaved(const std::string& path, const std::string& cause, int error = 0);

// Whether a reading may be kept at path, judged as the save itself will
// judge it (the folders on the way, what stands at the name): a failure
// when it may not; otherwise whether a file is there already, which the
// save would replace.
FileResult<bool> keptFileExists(const std::string& path);

// Hands what an encoding gave to the file layer, which writes it beside
// the target first and renames it over it, so that a failed save leaves no
// half-written file and the old file whole. Throws FileError naming the
// file and the cause in both languages, whether the encoding or the
// writing failed.
void saveEncoded(const Encoded& bytes, const QString& path);

}  // namespace temparoka
