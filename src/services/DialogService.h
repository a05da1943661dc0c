#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// The one way the program shows a message box or asks the user a question.
// The editor installs the Qt dialogs; tests install scripted answers; without
// either (the command-line tool) messages go to stderr and every question is
// answered with "cancel".
class DialogService {
public:
    enum class Icon { None, Information, Exclamation, Error, Question };
    enum class Buttons { Ok, OkCancel, YesNo, SaveDiscardCancel };
    enum class Answer { Ok, Cancel, Save, Discard, Yes = Ok, No = Cancel };
    enum class ListMode { Files, Folders }; // "*.lng" files, or the subfolders

    virtual ~DialogService() = default;

    // A modal message box; "Ok" for a box with a single OK button.
    virtual Answer showMessage(const QString& text, const QString& caption, Icon icon,
                               Buttons buttons = Buttons::Ok) = 0;
    // The open or save file question. filters are name filters such as
    // "ski files (*.ski)"; defaultSuffix ("ski") is appended by the save
    // variant when the typed name has no extension; the dialog starts in
    // startFolder ("": where it likes). "" when cancelled.
    virtual QString askFileName(bool forSaving, const QStringList& filters, const QString& defaultSuffix,
                                const QString& startFolder) = 0;
    // A folder chosen by the user, "" when cancelled.
    virtual QString browseForFolder() = 0;
    // The list-select dialog over the entries of folder, with current
    // selected when it is listed; the chosen entry's text, "" when cancelled.
    virtual QString selectFromFolder(const QString& title, const QString& folder, ListMode mode,
                                     const QString& current) = 0;
    // Shows lines to read, one entry each, in the list dialog; closes with OK.
    virtual void showList(const QString& title, const QStringList& lines) = 0;
    // The colour chooser (value laid out 0x00BBGGRR) under a title that names
    // the colour ("": the chooser's own); nothing when cancelled.
    virtual std::optional<std::uint32_t> chooseColour(std::uint32_t initial, const QString& title) = 0;

    // The service in force.
    static DialogService& current();
    // Makes service the one in force (nullptr: back to stderr); returns the previous one.
    static DialogService* install(DialogService* service);

    // The caption of the program's own message boxes.
    static QString programCaption() { return QStringLiteral("VelaSkin"); }
};

// Installs a service for the lifetime of the scope (tests, the application).
class DialogServiceScope {
public:
    explicit DialogServiceScope(DialogService& service) : previous(DialogService::install(&service)) {}
    ~DialogServiceScope() { DialogService::install(previous); }
    DialogServiceScope(const DialogServiceScope&) = delete;
    DialogServiceScope& operator=(const DialogServiceScope&) = delete;

private:
    DialogService* previous;
};
