#include "services/DialogService.h"

#include <atomic>
#include <cstdio>

namespace {

// Used where no window exists: messages go to stderr, questions are cancelled.
class ConsoleDialogService final : public DialogService {
public:
    Answer showMessage(const QString& text, const QString& caption, Icon, Buttons buttons) override
    {
        std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text.trimmed()));
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
    QString askFileName(bool, const QStringList&, const QString&, const QString&) override { return {}; }
    QString browseForFolder() override { return {}; }
    QString selectFromFolder(const QString&, const QString&, ListMode, const QString&) override { return {}; }
    void showList(const QString& title, const QStringList& lines) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(title));
        for (const QString& line : lines)
            std::fprintf(stderr, "  %s\n", qPrintable(line));
    }
    std::optional<std::uint32_t> chooseColour(std::uint32_t, const QString&) override { return std::nullopt; }
};

ConsoleDialogService consoleService;
std::atomic<DialogService*> installed{nullptr};

} // namespace

DialogService& DialogService::current()
{
    DialogService* service = installed.load();
    return service ? *service : consoleService;
}

DialogService* DialogService::install(DialogService* service)
{
    return installed.exchange(service);
}
