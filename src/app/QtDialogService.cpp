#include "app/QtDialogService.h"

#include "app/FileDatesProxy.h"
#include "app/ListSelectDialog.h"
#include "pictures/ColourValue.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon messageIcon(DialogService::Icon icon)
{
    switch (icon) {
    case DialogService::Icon::Information:
        return QMessageBox::Information;
    case DialogService::Icon::Exclamation:
        return QMessageBox::Warning;
    case DialogService::Icon::Error:
        return QMessageBox::Critical;
    case DialogService::Icon::Question:
        return QMessageBox::Question;
    case DialogService::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The colour chooser's 16 custom colours start black and are kept, process-wide, for the run.
void blackenCustomColoursOnce()
{
    static const bool done = [] {
        for (int i = 0; i < QColorDialog::customCount(); ++i)
            QColorDialog::setCustomColor(i, QColor(Qt::black));
        return true;
    }();
    (void)done;
}

} // namespace

QtDialogService::QtDialogService(QWidget* owner) : ownerWindow(owner)
{
    blackenCustomColoursOnce();
}

DialogService::Answer QtDialogService::showMessage(const QString& text, const QString& caption, Icon icon,
                                                   Buttons buttons)
{
    if (buttons == Buttons::SaveDiscardCancel) {
        QMessageBox box(messageIcon(icon), caption, text, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                        ownerWindow);
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        const int chosen = box.exec();
        return chosen == QMessageBox::Save ? Answer::Save : chosen == QMessageBox::Discard ? Answer::Discard : Answer::Cancel;
    }
    QMessageBox::StandardButtons shown = QMessageBox::Ok;
    QMessageBox::StandardButton yes = QMessageBox::Ok;
    if (buttons == Buttons::OkCancel) {
        shown = QMessageBox::Ok | QMessageBox::Cancel;
    } else if (buttons == Buttons::YesNo) {
        shown = QMessageBox::Yes | QMessageBox::No;
        yes = QMessageBox::Yes;
    }
    QMessageBox box(messageIcon(icon), caption, text, shown, ownerWindow);
    // A question that replaces something defaults to the harmless answer.
    box.setDefaultButton(buttons == Buttons::YesNo ? QMessageBox::No : QMessageBox::Ok);
    return box.exec() == yes ? Answer::Ok : Answer::Cancel;
}

QString QtDialogService::askFileName(bool forSaving, const QStringList& filters, const QString& defaultSuffix,
                                     const QString& startFolder)
{
    QFileDialog dialog(ownerWindow);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new FileDatesProxy(&dialog));
    dialog.setNameFilters(filters);
    if (!startFolder.isEmpty())
        dialog.setDirectory(startFolder);
    if (forSaving) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(defaultSuffix);
        dialog.setOption(QFileDialog::DontConfirmOverwrite); // saving over a file is not questioned
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

QString QtDialogService::browseForFolder()
{
    QFileDialog dialog(ownerWindow);
    dialog.setOptions(QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setProxyModel(new FileDatesProxy(&dialog));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

QString QtDialogService::selectFromFolder(const QString& title, const QString& folder, ListMode mode,
                                          const QString& current)
{
    ListSelectDialog dialog(title, folder, mode, ownerWindow);
    dialog.selectEntry(current);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selection();
}

void QtDialogService::showList(const QString& title, const QStringList& lines)
{
    ListSelectDialog dialog(title, lines, ownerWindow);
    dialog.exec();
}

std::optional<std::uint32_t> QtDialogService::chooseColour(std::uint32_t initial, const QString& title)
{
    const QColor chosen = QColorDialog::getColor(qColorFromValue(initial), ownerWindow, title);
    if (!chosen.isValid())
        return std::nullopt;
    return valueFromQColor(chosen);
}
