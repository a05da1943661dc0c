#include "app/StartPanel.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

namespace {

constexpr int margin = 24;
// The room a flat button takes beside its text.
constexpr int buttonPadding = 16;

} // namespace

StartPanel::StartPanel(QWidget* parent)
    : QWidget(parent),
      hint(new QLabel(this)),
      createButton(new QPushButton(this)),
      openButton(new QPushButton(this)),
      recentHeading(new QLabel(this)),
      recentList(new QVBoxLayout)
{
    setObjectName(QStringLiteral("startPanel"));
    hint->setObjectName(QStringLiteral("hint"));
    hint->setWordWrap(true);
    createButton->setObjectName(QStringLiteral("create"));
    openButton->setObjectName(QStringLiteral("open"));
    recentHeading->setObjectName(QStringLiteral("recentHeading"));
    connect(createButton, &QPushButton::clicked, this, &StartPanel::createRequested);
    connect(openButton, &QPushButton::clicked, this, &StartPanel::openRequested);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(createButton);
    buttons->addWidget(openButton);
    buttons->addStretch(1);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(margin, margin, margin, margin);
    column->addWidget(hint);
    column->addLayout(buttons);
    column->addSpacing(margin);
    column->addWidget(recentHeading);
    column->addLayout(recentList);
    column->addStretch(1);
    recentList->setSpacing(0);
}

void StartPanel::setTexts(const QString& hintText, const QString& createText, const QString& openText,
                          const QString& heading)
{
    hint->setText(hintText);
    createButton->setText(createText);
    openButton->setText(openText);
    recentHeading->setText(heading);
}

void StartPanel::setRecentSkins(const QStringList& paths)
{
    for (QPushButton* button : recentButtons) {
        const std::unique_ptr<QPushButton> gone(button);
    }
    recentButtons.clear();
    recentPaths = paths;
    for (const QString& path : paths) {
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("recent"));
        // Shown as a link: it opens the file it names.
        button->setFlat(true);
        button->setCursor(Qt::PointingHandCursor);
        button->setStyleSheet(QStringLiteral("text-align: left; color: palette(link); text-decoration: underline"));
        button->setToolTip(QDir::toNativeSeparators(path));
        connect(button, &QPushButton::clicked, this, [this, path] { emit recentChosen(path); });
        recentList->addWidget(button);
        recentButtons << button;
    }
    recentHeading->setVisible(!paths.isEmpty());
    showRecentPaths();
}

void StartPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    showRecentPaths();
}

void StartPanel::showRecentPaths()
{
    const int room = width() - 2 * margin - buttonPadding;
    for (qsizetype i = 0; i < recentButtons.size(); ++i) {
        QPushButton* button = recentButtons[i];
        // A "&" in a name is shown, not taken as a mnemonic.
        const QString shown =
            button->fontMetrics().elidedText(QDir::toNativeSeparators(recentPaths[i]), Qt::ElideMiddle, room);
        button->setText(QString(shown).replace(QLatin1Char('&'), QStringLiteral("&&")));
    }
}
