#include "pages/ImagesPage.h"

#include "document/FileIo.h"
#include "document/LanguageTable.h"
#include "document/LanguageTexts.h"
#include "document/SkinModel.h"
#include "pages/PictureImportDialog.h"
#include "pictures/ColourValue.h"
#include "pictures/Picture.h"
#include "services/DialogService.h"
#include "services/LocalPath.h"
#include "session/GiveBackPicturesCommand.h"
#include "session/ReplacePictureCommand.h"
#include "session/SkinSession.h"
#include "widgets/AnimatedPicture.h"
#include "widgets/ColourButton.h"
#include "widgets/CommonDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace {

// Places in pixels (dialog units at 1.5 px across, 1.625 px down): the list
// on the left, the preview area beside it with the background colour below,
// the picture's figures and the commands on the right, wide enough for the
// longer translations of the commands.
constexpr QRect listPlace(10, 11, 268, 320);
constexpr QRect previewPlace(288, 11, 195, 218);
constexpr QRect backgroundLabelPlace(288, 240, 90, 23);
constexpr QRect backgroundButtonPlace(383, 240, 100, 23);
constexpr int figuresLeft = 496;
constexpr int figureLabelWidth = 70;
constexpr int figureEditWidth = 126;
constexpr int figureTop = 11;
constexpr int figureStep = 29;
constexpr int commandTop = 118;
constexpr int commandWidth = 196;
constexpr int commandHeight = 27;
constexpr int commandStep = 35;
constexpr int nameColumnWidth = 180;
constexpr int datColumnWidth = 50;
constexpr int rowHeight = 20;

void showMessage(const QString& message, DialogService::Icon icon)
{
    DialogService::current().showMessage(message, DialogService::programCaption(), icon);
}

std::uint32_t buttonFaceColour()
{
    return valueFromQColor(QApplication::palette().color(QPalette::Button));
}

// Only a changed text is set: setting a text repaints the edit, and the page
// reloads its picture whenever it is painted.
void setTextIfChanged(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

} // namespace

ImagesPage::ImagesPage(SkinSession& session, const LanguageTable& texts, QWidget* mainWindow, QWidget* parent)
    : QWidget(parent), session(session), model(session.model()), texts(texts), owner(mainWindow)
{
    setObjectName(QStringLiteral("imagesPage"));
    buildControls();
    connect(&session, &SkinSession::changed, this, &ImagesPage::skinChanged);
}

ImagesPage::~ImagesPage()
{
    // The animation thread draws into the preview: it ends before any part of the page goes.
    picture->stop();
}

QString ImagesPage::text(int number) const
{
    return QString::fromStdString(texts.text(number));
}

void ImagesPage::buildControls()
{
    list = new QTableWidget(0, 2, this);
    list->setObjectName(QStringLiteral("pictureList"));
    list->setGeometry(listPlace);
    list->setHorizontalHeaderLabels({text(langtext::images::nameHeading), text(langtext::images::datHeading)});
    list->horizontalHeader()->setSectionsClickable(false);
    list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list->horizontalHeader()->setHighlightSections(false);
    list->setColumnWidth(0, nameColumnWidth);
    list->setColumnWidth(1, datColumnWidth);
    // "Dat" takes the rest of the list's width, so that "Default" is never cut short.
    list->horizontalHeader()->setStretchLastSection(true);
    list->verticalHeader()->hide();
    list->verticalHeader()->setDefaultSectionSize(rowHeight);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setShowGrid(true);
    list->setWordWrap(false);
    // The selection stays visible while another control has the focus.
    QPalette listPalette = list->palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        listPalette.setColor(QPalette::Inactive, role, listPalette.color(QPalette::Active, role));
    list->setPalette(listPalette);
    connect(list, &QTableWidget::itemSelectionChanged, this, &ImagesPage::selectionChanged);

    // The frame paints its own background, so the picture's many repaints
    // while it plays never reach the page.
    previewFrame = new QFrame(this);
    previewFrame->setObjectName(QStringLiteral("previewFrame"));
    previewFrame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    previewFrame->setGeometry(previewPlace);
    previewFrame->setAutoFillBackground(true);
    picture = new AnimatedPicture(previewFrame);
    picture->setObjectName(QStringLiteral("preview"));
    picture->resize(0, 0);

    const auto addLabel = [this](int number, const QRect& place) {
        auto* label = new QLabel(text(number), this);
        label->setGeometry(place);
        return label;
    };
    const auto addFigure = [this, &addLabel](int number, const char* name, int row) {
        const int top = figureTop + row * figureStep;
        addLabel(number, QRect(figuresLeft, top, figureLabelWidth, commandHeight - 4));
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setReadOnly(true);
        edit->setGeometry(figuresLeft + figureLabelWidth, top, figureEditWidth, commandHeight - 4);
        return edit;
    };
    widthEdit = addFigure(langtext::images::width, "width", 0);
    heightEdit = addFigure(langtext::images::height, "height", 1);
    bytesEdit = addFigure(langtext::images::bytes, "bytes", 2);

    addLabel(langtext::images::background, backgroundLabelPlace);
    // The colour button draws nothing but its colour: a sunken edge tells it
    // apart from the page when it shows the page's own colour.
    auto* swatch = new QFrame(this);
    swatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    swatch->setGeometry(backgroundButtonPlace);
    background = new ColourButton(backgroundButtonId, swatch);
    background->setObjectName(QStringLiteral("background"));
    background->setGeometry(swatch->contentsRect());
    background->setColour(buttonFaceColour());
    background->setChooserTitle(text(langtext::images::background));
    fillPreviewFrame(background->colour());
    connect(background, &ColourButton::colourChosen, this, [this] {
        fillPreviewFrame(background->colour());
        showPicture(shownIndex);
    });

    const auto addCommand = [this](int number, const char* name, int row, void (ImagesPage::*command)()) {
        auto* button = new QPushButton(text(number), this);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(figuresLeft, commandTop + row * commandStep, commandWidth, commandHeight);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, command);
        return button;
    };
    replaceButton = addCommand(langtext::images::replace, "replace", 0, &ImagesPage::replacePicture);
    importButton = addCommand(langtext::images::importFolder, "import", 1, &ImagesPage::importFolder);
    giveBackButton = addCommand(langtext::images::giveBack, "giveBack", 2, &ImagesPage::giveBackPictures);
    exportButton = addCommand(langtext::images::exportPictures, "export", 3, &ImagesPage::exportPictures);
}

QString ImagesPage::rowName(ElementId id) const
{
    const QString digits = QString::number(id);
    return text(langtext::images::rowPrefix) + QString(std::max<qsizetype>(0, 4 - digits.size()), QLatin1Char('0'))
        + digits;
}

void ImagesPage::showDat(int row)
{
    // The data file that holds the edited skin's own copy, or the default skin's word.
    const std::optional<PictureLocation> where = model.edited().getPictureLocation(ids[std::size_t(row)]);
    list->item(row, 1)->setText(where ? QString::number(where->file) : text(langtext::images::defaultDat));
    const bool own = where.has_value();
    for (int column = 0; column < list->columnCount(); ++column) {
        QTableWidgetItem* item = list->item(row, column);
        QFont font = item->font();
        font.setBold(own);
        item->setFont(font);
    }
}

void ImagesPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    ids = model.defaults().pictureIds();
    rebuildList();
}

void ImagesPage::hideEvent(QHideEvent* event)
{
    // Nobody sees the page: no thread plays for it. Showing it again restarts the picture.
    picture->stop();
    QWidget::hideEvent(event);
}

void ImagesPage::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    // Every repaint of the page shows its picture afresh, from its first
    // frame. Not from inside the paint: loading resizes and repaints controls.
    if (shownIndex < 0 || reloadPending)
        return;
    reloadPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            reloadPending = false;
            showPicture(shownIndex);
        },
        Qt::QueuedConnection);
}

void ImagesPage::rebuildList()
{
    list->setRowCount(0);
    list->setRowCount(int(ids.size()));
    for (int row = 0; row < int(ids.size()); ++row) {
        list->setItem(row, 0, new QTableWidgetItem(rowName(ids[std::size_t(row)])));
        list->setItem(row, 1, new QTableWidgetItem);
        showDat(row);
    }
    if (shownIndex < 0 || shownIndex >= list->rowCount())
        return;
    // Selected alone whatever keys are held; the selection shows the picture again.
    const QModelIndex row = list->model()->index(shownIndex, 0);
    list->selectionModel()->setCurrentIndex(row, QItemSelectionModel::NoUpdate);
    list->selectionModel()->select(row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list->scrollTo(row);
}

void ImagesPage::skinChanged(const SkinChange& change)
{
    if (change.everything) {
        ids = model.defaults().pictureIds();
        rebuildList();
        showPicture(shownIndex);
        return;
    }
    for (int row = 0; row < list->rowCount() && std::size_t(row) < ids.size(); ++row) {
        if (!change.touchesPicture(ids[std::size_t(row)]))
            continue;
        showDat(row);
        if (row == shownIndex)
            showPicture(row);
    }
}

std::vector<int> ImagesPage::selectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : list->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ImagesPage::selectionChanged()
{
    const std::vector<int> rows = selectedRows();
    if (rows.size() != 1)
        return;
    shownIndex = rows.front();
    showPicture(shownIndex);
}

void ImagesPage::showPicture(int index)
{
    if (index < 0 || index >= int(ids.size()))
        return;
    std::vector<std::uint8_t> bytes;
    const int size = model.getPicture(ids[std::size_t(index)], bytes);
    // A row without a picture, or one that does not decode, shows nothing
    // rather than the previous row's picture under this row's name.
    if (size <= 0 || !picture->loadFromBytes(bytes)) {
        picture->clear();
        showSizes(0, 0, std::max(size, 0));
        return;
    }
    picture->setBackground(background->colour());
    showSizes(picture->pictureWidth(), picture->pictureHeight(), size);
    picture->start();
    // Centred in the preview area; a larger picture is cut at its edges.
    const QSize area = previewFrame->size();
    picture->move(std::max(0, (area.width() - picture->width()) / 2),
                  std::max(0, (area.height() - picture->height()) / 2));
    fillPreviewFrame(background->colour());
}

void ImagesPage::showSizes(int width, int height, int bytes)
{
    shownWidth = width;
    shownHeight = height;
    setTextIfChanged(widthEdit, QString::number(width));
    setTextIfChanged(heightEdit, QString::number(height));
    setTextIfChanged(bytesEdit, QString::number(bytes));
}

void ImagesPage::fillPreviewFrame(std::uint32_t colour)
{
    const QColor fill = qColorFromValue(colour);
    if (previewFrame->palette().color(QPalette::Window) == fill)
        return;
    QPalette palette = previewFrame->palette();
    palette.setColor(QPalette::Window, fill);
    previewFrame->setPalette(palette);
}

void ImagesPage::replacePicture()
{
    const std::vector<int> rows = selectedRows();
    if (rows.size() != 1) {
        showMessage(text(langtext::images::onlyOnePicture), DialogService::Icon::Exclamation);
        return;
    }
    const QString path =
        askFileName(false, fileNameFullPath, {QStringLiteral("gif")}, {{}, {}, text(langtext::shell::fileFilter)});
    if (path.isEmpty())
        return;
    // The bytes stored are the ones judged: the file is read once.
    std::vector<std::uint8_t> bytes;
    Picture chosen;
    if (readWholeFile(localPath(path), bytes) < 0) {
        chosen.loadFromFile(path); // says why the file cannot be read
        bytes.clear();
    }
    if (bytes.empty() || !chosen.loadFromBytes(bytes) || !model.edited().hasLineTable()) {
        showMessage(text(langtext::images::cannotOpenPicture), DialogService::Icon::Error);
        return;
    }
    if (chosen.width() != shownWidth || chosen.height() != shownHeight) {
        showMessage(text(langtext::message::pictureOtherSize), DialogService::Icon::Error);
        return;
    }
    // The row, the preview and every other view follow the session's change.
    session.push(std::make_unique<ReplacePictureCommand>(session, ids[std::size_t(shownIndex)], std::move(bytes)));
}

void ImagesPage::giveBackPictures()
{
    std::vector<ElementId> chosen;
    for (const int row : selectedRows())
        chosen.push_back(ids[std::size_t(row)]);
    // All at once, one edit; the rows follow the session's change (another
    // row may show the same picture: an id listed twice, or linked to one
    // given back).
    std::vector<ElementId> kept;
    session.push(std::make_unique<GiveBackPicturesCommand>(session, std::move(chosen), kept));
    for (const ElementId id : kept)
        showMessage(rowName(id) + QLatin1Char('\n') + text(langtext::images::notRestored), DialogService::Icon::Error);
}

void ImagesPage::exportPictures()
{
    QString folder;
    if (!browseForFolder(folder))
        return;
    QStringList failed;
    for (const int row : selectedRows()) {
        const ElementId id = ids[std::size_t(row)];
        std::vector<std::uint8_t> bytes;
        if (model.getPicture(id, bytes) <= 0)
            continue;
        const QString path = QDir(folder).filePath(QString::number(id) + QStringLiteral(".gif"));
        // Written whole or not at all: an interrupted export leaves no cut-off picture.
        if (!writeWholeFile(bytes, localPath(path)))
            failed << path;
    }
    if (!failed.isEmpty())
        showMessage(text(langtext::images::exportFailed) + QLatin1Char('\n') + failed.join(QLatin1Char('\n')),
                    DialogService::Icon::Error);
}

void ImagesPage::importFolder()
{
    QString folder;
    if (!browseForFolder(folder)) {
        rebuildList();
        return;
    }
    // Modal to the window without blocking here; the list follows when it closes.
    auto* dialog = new PictureImportDialog(folder, text(langtext::images::importTitle), text(langtext::images::replace),
                                           text(langtext::images::close), session, texts, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, &ImagesPage::rebuildList);
    dialog->open();
}
