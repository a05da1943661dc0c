#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QSize>
#include <QStringList>

class QListWidget;
class QPushButton;

// The program's list dialog: a list over a centred row of standard buttons,
// in a dialog that opens at the size its caller gives and that the user may
// make larger or smaller; the list takes what the buttons leave. The
// buttons' texts follow the language of Qt's own dialogs unless a caller
// sets its own. What the buttons do is the caller's: the dialog connects
// none of them.
class ListDialog : public QDialog {
    Q_OBJECT

public:
    // The first size: 179 x 122 dialog units (1.5 px across, 1.625 px down).
    static constexpr QSize templateSize{269, 198};

    // The list's lines, in order.
    QStringList entries() const;

protected:
    ListDialog(const QString& title, QSize size, QDialogButtonBox::StandardButtons buttons, QWidget* parent);

    // Long lines break at word boundaries instead of running past the list's edge.
    void wrapLines();

    // The user may make the dialog no smaller than minimum.
    void makeResizable(QSize minimum);

    // The button, named "ok" or "cancel"; nullptr when the row has none.
    QPushButton* button(QDialogButtonBox::StandardButton which) const { return buttonRow->button(which); }

    QListWidget* const list;
    QDialogButtonBox* const buttonRow;
};
