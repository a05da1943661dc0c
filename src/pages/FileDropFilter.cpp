#include "pages/FileDropFilter.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPointer>
#include <QUrl>
#include <QWidget>

FileDropFilter::FileDropFilter(QObject* parent) : QObject(parent) {}

void FileDropFilter::watch(QWidget* widget)
{
    widget->setAcceptDrops(true);
    widget->installEventFilter(this);
}

QStringList FileDropFilter::droppedPaths(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return {};
    QStringList paths;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile() || url.toLocalFile().endsWith(QLatin1String(".ski"), Qt::CaseInsensitive))
            return {};
        paths << url.toLocalFile();
    }
    return paths;
}

bool FileDropFilter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (droppedPaths(drag->mimeData()).isEmpty())
            return false; // on to the widgets below, and the window
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList paths = droppedPaths(drop->mimeData());
        if (paths.isEmpty())
            return false;
        drop->acceptProposedAction();
        const QPointer<QWidget> target = qobject_cast<QWidget*>(watched);
        const QPoint place = drop->position().toPoint();
        QMetaObject::invokeMethod(
            this,
            [this, target, paths, place] {
                if (target)
                    emit dropped(target, paths, place);
            },
            Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}
