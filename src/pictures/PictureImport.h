#pragma once

#include "document/SkinTypes.h"
#include "pictures/PictureConversion.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

class SkinDocument;
class SkinModel;

// Importing picture files named after picture ids ("630.gif", "0675.png").
// The editor's import dialog, its drops and the command-line tool all choose
// and judge the files here, so that they always agree; each only words the
// verdicts its own way.
namespace pictureimport {

using pictureconversion::Conversion;

enum class Verdict {
    stored,      // same size as the reference picture: now in the edited skin
    undecodable, // the file does not decode, or could not be read or stored
    wrongSize,   // decodes, but its size differs from the reference picture's
    noReference, // no id in the name, or no decodable reference picture of that id
};

struct Outcome {
    Verdict verdict = Verdict::noReference;
    QSize size;          // the file's picture (wrongSize and stored)
    QSize referenceSize; // the reference picture (every verdict but noReference)
};

// Whether a file name is a candidate: its part before the extension is all
// decimal digits (or empty), and the extension is "gif" without conversion,
// any that Qt's image readers take with it (in either case regardless of case).
bool isCandidateName(const QString& name, Conversion conversion);

// The candidate files of folder (files, not folders), sorted by name. Empty
// for a folder that cannot be read.
QStringList candidateNames(const QString& folder, Conversion conversion);

// The id a candidate's name stands for: its leading digits ("0630.gif" is
// 630). Nothing when there are none or they do not fit an id.
std::optional<ElementId> idOfName(const QString& name);

// Judges the picture file at path against reference's own picture of the id
// its name stands for (no default-skin fallback) and, when the sizes agree,
// stores it (converted as asked) as that picture in model's edited skin. A
// file that cannot be opened is also reported through the dialog service,
// as every picture file read is.
Outcome importFile(SkinModel& model, const SkinDocument& reference, const QString& path, Conversion conversion);

} // namespace pictureimport
