#pragma once

#include "services/DialogService.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <optional>
#include <vector>

// Answers the program's questions from a script and records every message, so
// that no test waits on a real modal dialog. An unscripted question is
// answered with "cancel" and recorded as such.
class ScriptedDialogs final : public DialogService {
public:
    struct Message {
        QString text;
        QString caption;
        Icon icon;
        Buttons buttons;
    };

    std::vector<Message> messages;          // every message box shown, in order
    struct ShownList {
        QString title;
        QStringList lines;
    };
    std::vector<ShownList> lists;           // every list shown to read, in order
    std::deque<Answer> messageAnswers;      // answers to OK/Cancel and Yes/No boxes (default Cancel, No)
    std::deque<QString> fileAnswers;        // askFileName answers ("" = cancel)
    std::deque<QString> folderAnswers;      // browseForFolder answers
    std::deque<QString> listAnswers;        // selectFromFolder answers
    std::deque<std::optional<std::uint32_t>> colourAnswers;

    // What was asked, for checks on titles, filters and folders.
    struct Question {
        QString kind;   // "file", "folder", "list", "colour"
        QString title;  // list title, or "save"/"open" for files
        QStringList details; // filters, the listed folder and mode, or the colour chooser's title
        QString initial;     // the file dialog's start folder, the list's preselected entry
    };
    std::vector<Question> questions;

    Answer showMessage(const QString& text, const QString& caption, Icon icon, Buttons buttons) override
    {
        messages.push_back({text, caption, icon, buttons});
        if (buttons == Buttons::Ok)
            return Answer::Ok;
        return pop(messageAnswers, Answer::Cancel);
    }
    QString askFileName(bool forSaving, const QStringList& filters, const QString& defaultSuffix,
                        const QString& startFolder) override
    {
        questions.push_back({"file", forSaving ? "save" : "open", filters + QStringList{defaultSuffix}, startFolder});
        return pop(fileAnswers, QString());
    }
    QString browseForFolder() override
    {
        questions.push_back({"folder", {}, {}, {}});
        return pop(folderAnswers, QString());
    }
    QString selectFromFolder(const QString& title, const QString& folder, ListMode mode,
                             const QString& current) override
    {
        questions.push_back({"list", title, {folder, mode == ListMode::Files ? "files" : "folders"}, current});
        return pop(listAnswers, QString());
    }
    void showList(const QString& title, const QStringList& lines) override { lists.push_back({title, lines}); }
    std::optional<std::uint32_t> chooseColour(std::uint32_t initial, const QString& title) override
    {
        questions.push_back({"colour", QString::number(initial), {title}, {}});
        return pop(colourAnswers, std::optional<std::uint32_t>());
    }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const Message& m : messages)
            texts << m.text;
        return texts;
    }

private:
    template <typename T>
    static T pop(std::deque<T>& queue, T fallback)
    {
        if (queue.empty())
            return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};
