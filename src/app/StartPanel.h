#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;
class QVBoxLayout;

// What the window's client area shows while no skin is open: a short hint,
// buttons for New and Open, and the skins opened last, each a button that
// opens it.
class StartPanel : public QWidget {
    Q_OBJECT

public:
    explicit StartPanel(QWidget* parent = nullptr);

    void setTexts(const QString& hint, const QString& createText, const QString& openText,
                  const QString& recentHeading);
    void setRecentSkins(const QStringList& paths);

signals:
    void createRequested();
    void openRequested();
    void recentChosen(const QString& path);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The paths on their buttons, shortened in the middle where the panel is too narrow.
    void showRecentPaths();

    QLabel* hint;
    QPushButton* createButton;
    QPushButton* openButton;
    QLabel* recentHeading;
    QVBoxLayout* recentList;
    QStringList recentPaths;
    QList<QPushButton*> recentButtons;
};
