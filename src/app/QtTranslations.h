#pragma once

#include <QString>

#include <memory>

class QTranslator;

// Qt's own texts (file, colour and message dialogs, standard buttons) in the
// language of the interface. A language file names its language with the
// entry 0 ("0=de"); without one, or for a language Qt has no texts for, Qt
// speaks English. Installed while the object lives.
class QtTranslations {
public:
    QtTranslations();
    ~QtTranslations();
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // Switches to the texts of language ("de", "pt_BR"); "" switches back to
    // English. True when Qt's texts for that language are now in use.
    bool use(const QString& language);
    // The language in use; "" for English.
    const QString& language() const { return current; }

    // True for a plausible language name: letters, then parts of letters and
    // digits after "_" or "-" (nothing that could lead out of Qt's folder).
    static bool isLanguageName(const QString& name);

private:
    void remove();

    std::unique_ptr<QTranslator> translator;
    bool installed = false;
    QString current;
};
