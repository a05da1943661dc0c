#pragma once

#include "services/DialogService.h"

#include <QPointer>
#include <QWidget>

// The program's questions and messages as real Qt dialogs, owned by the main window.
class QtDialogService final : public DialogService {
public:
    explicit QtDialogService(QWidget* owner = nullptr);

    void setOwner(QWidget* owner) { ownerWindow = owner; }

    Answer showMessage(const QString& text, const QString& caption, Icon icon, Buttons buttons) override;
    QString askFileName(bool forSaving, const QStringList& filters, const QString& defaultSuffix,
                        const QString& startFolder) override;
    QString browseForFolder() override;
    QString selectFromFolder(const QString& title, const QString& folder, ListMode mode,
                             const QString& current) override;
    void showList(const QString& title, const QStringList& lines) override;
    std::optional<std::uint32_t> chooseColour(std::uint32_t initial, const QString& title) override;

private:
    QPointer<QWidget> ownerWindow;
};
