#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QSize>
#include <QStringList>

class QListWidget;
class QPushButton;

// The program's list dialog: a list over a centred row of standard buttons,
// in a dialog of fixed size. The buttons' texts follow the language of Qt's
// own dialogs unless a caller sets its own. What the buttons do is the
// caller's: the dialog connects none of them.
class ListDialog : public QDialog {
    Q_OBJECT

public:
    // The 179 x 122 dialog-unit layout (1.5 px across, 1.625 px down).
    static constexpr QSize templateSize{269, 198};

    // The list's lines, in order.
    QStringList entries() const;

protected:
    ListDialog(const QString& title, QSize size, QDialogButtonBox::StandardButtons buttons, QWidget* parent);

    // Long lines break at word boundaries instead of running past the list's edge.
    void wrapLines();

    // Lets the user resize the dialog down to minimum: the list takes the
    // room, the buttons stay centred under it.
    void makeResizable(QSize minimum);

    // The button, named "ok" or "cancel"; nullptr when the row has none.
    QPushButton* button(QDialogButtonBox::StandardButton which) const { return buttonRow->button(which); }

    QListWidget* const list;
    QDialogButtonBox* const buttonRow;
};
