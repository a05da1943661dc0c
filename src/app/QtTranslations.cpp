#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

QtTranslations::QtTranslations() : translator(std::make_unique<QTranslator>()) {}

QtTranslations::~QtTranslations()
{
    remove();
}

bool QtTranslations::isLanguageName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z]{2,3}([_-][A-Za-z0-9]{1,8})*$"));
    return pattern.match(name).hasMatch();
}

void QtTranslations::remove()
{
    if (installed)
        QCoreApplication::removeTranslator(translator.get());
    installed = false;
    current.clear();
}

bool QtTranslations::use(const QString& language)
{
    remove();
    if (!isLanguageName(language))
        return false;
    // The base module holds the texts of every Qt dialog the program shows.
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto next = std::make_unique<QTranslator>();
    QString fileLanguage = language;
    fileLanguage.replace(QLatin1Char('-'), QLatin1Char('_')); // Qt's files are named "qtbase_pt_BR"
    if (!next->load(QStringLiteral("qtbase_") + fileLanguage, folder) || next->isEmpty())
        return false;
    translator = std::move(next);
    installed = QCoreApplication::installTranslator(translator.get());
    if (installed)
        current = language;
    return installed;
}
