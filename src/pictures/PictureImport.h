#pragma once

#include "document/SkinTypes.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

class SkinDocument;
class SkinModel;

// Importing a folder of GIF files named after picture ids ("630.gif",
// "0675.gif"). The editor's import dialog and the command-line tool both
// choose and judge the files here, so that the two always agree; each only
// words the verdicts its own way.
namespace pictureimport {

enum class Verdict {
    stored,      // same size as the reference picture: now in the edited skin
    undecodable, // the file does not decode, or could not be read again to be stored
    wrongSize,   // decodes, but its size differs from the reference picture's
    noReference, // no id in the name, or no decodable reference picture of that id
};

struct Outcome {
    Verdict verdict = Verdict::noReference;
    QSize size;          // the file's picture (wrongSize and stored)
    QSize referenceSize; // the reference picture (every verdict but noReference)
};

// The candidate files of folder: files (not folders) matching "*.gif" whose
// name before its last four characters is all decimal digits, sorted by name.
// Empty for a folder that cannot be read.
QStringList candidateNames(const QString& folder);

// The id a candidate's name stands for: its leading digits ("0630.gif" is
// 630). Nothing when there are none or they do not fit an id.
std::optional<ElementId> idOfName(const QString& name);

// Judges the file name in folder against reference's own picture of its id
// (no default-skin fallback) and, when the sizes agree, stores the file as
// that picture in model's edited skin. A file that cannot be opened is also
// reported through the dialog service, as every picture file read is.
Outcome importFile(SkinModel& model, const SkinDocument& reference, const QString& folder, const QString& name);

} // namespace pictureimport
