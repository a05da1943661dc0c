#pragma once

#include "idlescreen/ElementTable.h"

#include <QSize>
#include <QString>

class LanguageTable;

// Texts of the edits in the user's language.
namespace commandtexts {

// The element's name as the tree shows its place: "Left key, State 0".
QString elementName(idlescreen::ElementKind kind, const LanguageTable& texts);
// Where a picture shows, for the images page's list: "Left key, state 0";
// "" for a picture that no element of the idle screen shows.
QString pictureName(ElementId id, const LanguageTable& texts);
// "The picture is 5 x 6 pixels; the default picture is 5 x 5."
QString sizesText(QSize size, QSize defaultSize, const LanguageTable& texts);
// The language text number with "%1" replaced by argument.
QString withArgument(int number, const QString& argument, const LanguageTable& texts);
QString text(int number, const LanguageTable& texts);

} // namespace commandtexts
