#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSize>

class ElementPage;
class QAction;
class QMainWindow;

// What the window keeps of how it shows the skin: the element page's
// preview enlarged 1x to 8x and its pixel grid (the View menu's commands),
// the page's columns, and the window's place and size. Read from the
// settings at start; zoom and grid are written when they change, columns,
// place and size when the window closes. Every new element page takes them
// on; Ctrl and the mouse wheel on the page change the zoom too.
class ViewState : public QObject {
    Q_OBJECT

public:
    // The View menu's commands, made by the window.
    struct Actions {
        QAction* zoomIn;
        QAction* zoomOut;
        QAction* actualSize;
        QAction* fit;
        QAction* pixelGrid;
    };

    ViewState(const Actions& actions, QObject* parent);

    void readSettings();
    // The page shows the kept zoom, grid and columns and tells of its zoom.
    void attach(ElementPage& page);
    // Before the page goes: its columns are kept for the next one.
    void detach(const ElementPage& page);
    // The window's kept place and size, else firstSize as far as the screen has room.
    void placeWindow(QMainWindow& window, QSize firstSize) const;
    // When the window closes: its place and size and the page's columns.
    void keep(const QMainWindow& window);

    int zoom() const { return factor; }
    // Held within 1..8; the page follows.
    void setZoom(int zoom);
    // The largest factor at which the page shows the whole screen.
    void fitZoom();
    bool pixelGrid() const { return gridShown; }
    void togglePixelGrid();

private:
    void zoomChanged(int zoom);
    void showState();

    Actions actions;
    QPointer<ElementPage> page;
    int factor = 1;
    bool gridShown = false;
    QList<int> columns;
};
