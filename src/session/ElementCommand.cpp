#include "session/ElementCommand.h"

#include "session/CommandTexts.h"

QString ElementCommand::named(int number, const LanguageTable& texts) const
{
    return commandtexts::withArgument(number, commandtexts::elementName(elementKind, texts), texts);
}
