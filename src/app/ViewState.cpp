#include "app/ViewState.h"

#include "app/AppSettings.h"
#include "pages/ElementPage.h"
#include "widgets/ScreenPreview.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QScreen>

#include <algorithm>

ViewState::ViewState(const Actions& actions, QObject* parent) : QObject(parent), actions(actions)
{
    actions.pixelGrid->setCheckable(true);
    actions.zoomIn->setShortcuts(QKeySequence::ZoomIn);
    // Ctrl and "=" too: on most keyboards "+" needs Shift.
    if (!actions.zoomIn->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Equal)))
        actions.zoomIn->setShortcuts(actions.zoomIn->shortcuts() << QKeySequence(Qt::CTRL | Qt::Key_Equal));
    actions.zoomOut->setShortcuts(QKeySequence::ZoomOut);
    actions.actualSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(actions.zoomIn, &QAction::triggered, this, [this] { setZoom(factor + 1); });
    connect(actions.zoomOut, &QAction::triggered, this, [this] { setZoom(factor - 1); });
    connect(actions.actualSize, &QAction::triggered, this, [this] { setZoom(ScreenPreview::minimumZoom); });
    connect(actions.fit, &QAction::triggered, this, &ViewState::fitZoom);
    connect(actions.pixelGrid, &QAction::triggered, this, &ViewState::togglePixelGrid);
    showState();
}

void ViewState::readSettings()
{
    factor = AppSettings::zoom();
    gridShown = AppSettings::pixelGrid();
    columns = AppSettings::elementColumns();
    showState();
}

void ViewState::attach(ElementPage& shown)
{
    page = &shown;
    shown.setZoom(factor);
    shown.setPixelGrid(gridShown);
    shown.setSplitterSizes(columns);
    connect(&shown, &ElementPage::zoomChanged, this, &ViewState::zoomChanged);
}

void ViewState::detach(const ElementPage& shown)
{
    columns = shown.splitterSizes();
}

void ViewState::placeWindow(QMainWindow& window, QSize firstSize) const
{
    if (window.restoreGeometry(AppSettings::windowGeometry()))
        return;
    if (const QScreen* screen = window.screen())
        firstSize = firstSize.boundedTo(screen->availableGeometry().size());
    window.resize(firstSize);
}

void ViewState::keep(const QMainWindow& window)
{
    AppSettings::setWindowGeometry(window.saveGeometry());
    if (page)
        detach(*page);
    if (!columns.isEmpty())
        AppSettings::setElementColumns(columns);
}

void ViewState::setZoom(int zoom)
{
    zoom = std::clamp(zoom, ScreenPreview::minimumZoom, ScreenPreview::maximumZoom);
    if (page)
        page->setZoom(zoom); // which tells zoomChanged
    else
        zoomChanged(zoom);
}

void ViewState::fitZoom()
{
    if (page)
        setZoom(page->fitZoom());
}

void ViewState::togglePixelGrid()
{
    gridShown = !gridShown;
    AppSettings::setPixelGrid(gridShown);
    if (page)
        page->setPixelGrid(gridShown);
    showState();
}

void ViewState::zoomChanged(int zoom)
{
    if (zoom == factor)
        return;
    factor = zoom;
    AppSettings::setZoom(zoom);
    showState();
}

void ViewState::showState()
{
    actions.zoomIn->setEnabled(factor < ScreenPreview::maximumZoom);
    actions.zoomOut->setEnabled(factor > ScreenPreview::minimumZoom);
    // Triggering a checkable action flips its mark: the one that matches is put back.
    actions.pixelGrid->setChecked(gridShown);
}
