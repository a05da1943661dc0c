#include "app/LanguageFallback.h"

#include "document/LanguageTable.h"
#include "services/LocalPath.h"

#include <QDir>
#include <QLocale>

namespace {

const QString missing = QLatin1String(LanguageTable::missingText);

QString textOf(const LanguageTable& table, int number)
{
    return QString::fromStdString(table.text(number));
}

// The language file whose entry 0 is the user's language; English.lng when none is.
bool loadUsersLanguage(LanguageTable& table, const QString& folder)
{
    const QString wanted = QLocale().name().section(QLatin1Char('_'), 0, 0);
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.lng")}, QDir::Files, QDir::Name)) {
        if (table.load(localPath(dir.filePath(name)))
            && textOf(table, 0).trimmed().section(QLatin1Char('_'), 0, 0) == wanted)
            return true;
    }
    return table.load(localPath(dir.filePath(QStringLiteral("English.lng"))));
}

} // namespace

QString languageMessage(const LanguageTable& loaded, int number, const QString& languageFolder,
                        const QString& english)
{
    QString text = loaded.count() > 0 ? textOf(loaded, number) : QString();
    if (loaded.count() == 0) {
        LanguageTable other;
        if (loadUsersLanguage(other, languageFolder))
            text = textOf(other, number);
    }
    if (text.isEmpty() || text == missing)
        return english;
    return text.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
}
