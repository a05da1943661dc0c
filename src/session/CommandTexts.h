#pragma once

#include "idlescreen/ElementTable.h"

#include <QString>

class LanguageTable;

// Texts of the edits in the user's language.
namespace commandtexts {

// The element's name as the tree shows its place: "Left key, State 0".
QString elementName(idlescreen::ElementKind kind, const LanguageTable& texts);
// The language text number with "%1" replaced by argument.
QString withArgument(int number, const QString& argument, const LanguageTable& texts);
QString text(int number, const LanguageTable& texts);

} // namespace commandtexts
