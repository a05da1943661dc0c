#include "session/CommandTexts.h"

#include "document/LanguageTable.h"
#include "document/LanguageTexts.h"
#include "idlescreen/ElementNames.h"
#include "idlescreen/PictureNames.h"

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

QString pictureName(ElementId id, const LanguageTable& texts)
{
    const std::optional<idlescreen::PictureName> name = idlescreen::pictureName(id);
    if (!name)
        return {};
    QStringList parts;
    for (int i = 0; i < name->place.count; ++i)
        parts << text(name->place.texts[std::size_t(i)], texts);
    if (name->state >= 0)
        parts << withArgument(langtext::images::keyState, QString::number(name->state), texts);
    return parts.join(QStringLiteral(", "));
}

QString sizesText(QSize size, QSize defaultSize, const LanguageTable& texts)
{
    // A language file without the text reads "NULL", with no places for the sizes.
    QString sizes = text(langtext::images::pictureSizes, texts);
    for (const int value : {size.width(), size.height(), defaultSize.width(), defaultSize.height()})
        if (sizes.contains(QLatin1Char('%')))
            sizes = sizes.arg(value);
    return sizes;
}

QString withArgument(int number, const QString& argument, const LanguageTable& texts)
{
    // A language file without the text reads "NULL", with no place for the argument.
    const QString withPlace = text(number, texts);
    return withPlace.contains(QLatin1String("%1")) ? withPlace.arg(argument) : withPlace;
}

} // namespace commandtexts
