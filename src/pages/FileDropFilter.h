#pragma once

#include <QObject>
#include <QPoint>
#include <QStringList>

class QMimeData;
class QWidget;

// Lets files and folders be dropped on the widgets it watches. A drag is
// taken when it carries local files and folders only, none of them a skin
// file (".ski"): a skin dropped anywhere goes on to the window, which opens
// it. The drop itself is told afterwards, outside the drag's handling, so
// that whatever it does may ask questions.
class FileDropFilter : public QObject {
    Q_OBJECT

public:
    explicit FileDropFilter(QObject* parent = nullptr);

    // Drops on widget (and its children that take none themselves) come here.
    void watch(QWidget* widget);

    // The local paths a drag carries, when it is one this filter takes; else none.
    static QStringList droppedPaths(const QMimeData* data);

signals:
    // Files or folders dropped on target, at place in target's coordinates.
    void dropped(QWidget* target, const QStringList& paths, QPoint place);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
