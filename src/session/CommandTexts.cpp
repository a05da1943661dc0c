#include "session/CommandTexts.h"

#include "document/LanguageTable.h"
#include "idlescreen/ElementNames.h"

#include <QStringList>

namespace commandtexts {

QString text(int number, const LanguageTable& texts)
{
    return QString::fromStdString(texts.text(number));
}

QString elementName(idlescreen::ElementKind kind, const LanguageTable& texts)
{
    const idlescreen::ElementName name = idlescreen::elementName(kind);
    QStringList parts;
    for (int i = 0; i < name.count; ++i)
        parts << text(name.texts[std::size_t(i)], texts);
    return parts.join(QStringLiteral(", "));
}

QString withArgument(int number, const QString& argument, const LanguageTable& texts)
{
    // A language file without the text reads "NULL", with no place for the argument.
    const QString withPlace = text(number, texts);
    return withPlace.contains(QLatin1String("%1")) ? withPlace.arg(argument) : withPlace;
}

} // namespace commandtexts
