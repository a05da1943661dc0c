#include "app/AboutDialog.h"

#include "app/ProgramIcon.h"
#include "app/ProgramVersion.h"
#include "document/LanguageTable.h"
#include "document/LanguageTexts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

namespace {

// Pixels of the 173 x 90 dialog-unit box.
constexpr QSize boxSize(260, 146);

QLabel* centredLine(const QString& text, const QRect& place, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(place);
    return label;
}

} // namespace

QString AboutDialog::versionLine()
{
    return QStringLiteral("VelaSkin Version ") + QLatin1String(programVersion);
}

AboutDialog::AboutDialog(const LanguageTable& texts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    const auto text = [&texts](int number) { return QString::fromStdString(texts.text(number)); };
    setWindowTitle(text(langtext::shell::aboutTitle));
    setFixedSize(boxSize);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(programIcon().pixmap(32, 32));
    icon->setGeometry(14, 14, 32, 32);

    centredLine(versionLine(), QRect(52, 14, 194, 32), this)->setObjectName(QStringLiteral("version"));
    centredLine(text(langtext::shell::aboutMadeBy), QRect(8, 56, 244, 20), this)->setObjectName(QStringLiteral("madeBy"));
    centredLine(QStringLiteral("velaskin@example.org"), QRect(8, 76, 244, 20), this);

    // Qt's own word for the button, in the language of its dialogs.
    auto* ok = new QPushButton(QDialogButtonBox(QDialogButtonBox::Ok).button(QDialogButtonBox::Ok)->text(), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    ok->setGeometry(93, 106, 75, 24);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
