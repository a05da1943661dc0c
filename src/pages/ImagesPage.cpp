#include "pages/ImagesPage.h"

#include "document/FileIo.h"
#include "document/LanguageTable.h"
#include "document/LanguageTexts.h"
#include "document/SkinModel.h"
#include "pages/FileDropFilter.h"
#include "pages/PictureImportDialog.h"
#include "pictures/ColourValue.h"
#include "pictures/Picture.h"
#include "pictures/PictureConversion.h"
#include "services/DialogService.h"
#include "services/LocalPath.h"
#include "session/CommandTexts.h"
#include "session/GiveBackPicturesCommand.h"
#include "session/ReplacePictureCommand.h"
#include "session/SkinSession.h"
#include "widgets/AnimatedPicture.h"
#include "widgets/BackdropChoice.h"
#include "widgets/CommonDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr QSize previewMinimum(130, 134);
constexpr int listMinimumWidth = 260;
constexpr int commandWidth = 130;
constexpr int figureWidth = 72;
constexpr int rowHeight = ThumbnailCache::side + 4;

void showMessage(const QString& message, DialogService::Icon icon)
{
    DialogService::current().showMessage(message, DialogService::programCaption(), icon);
}

QColor windowColour()
{
    return QApplication::palette().color(QPalette::Window);
}

// Only a changed text is set: setting a text repaints the edit, and the page
// reloads its picture whenever it is painted.
void setTextIfChanged(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text)
        edit->setText(text);
}

// The thumbnail centred in a square icon, on backdrop where it lies.
QIcon thumbnailIcon(const QImage& thumbnail, const QBrush& backdrop)
{
    QImage icon(ThumbnailCache::side, ThumbnailCache::side, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    if (!thumbnail.isNull()) {
        QPainter painter(&icon);
        const QRect place(QPoint((icon.width() - thumbnail.width()) / 2, (icon.height() - thumbnail.height()) / 2),
                          thumbnail.size());
        painter.setBrushOrigin(place.topLeft());
        painter.fillRect(place, backdrop);
        painter.drawImage(place.topLeft(), thumbnail);
    }
    return QIcon(QPixmap::fromImage(icon));
}

QString sizeText(QSize size)
{
    return size.isEmpty() ? QString() : QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
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
    filter = new QLineEdit(this);
    filter->setObjectName(QStringLiteral("filter"));
    filter->setPlaceholderText(text(langtext::images::filterPrompt));
    filter->setClearButtonEnabled(true);
    connect(filter, &QLineEdit::textChanged, this, &ImagesPage::applyFilter);

    list = new QTableWidget(0, 3, this);
    list->setObjectName(QStringLiteral("pictureList"));
    list->setMinimumWidth(listMinimumWidth);
    list->setHorizontalHeaderLabels(
        {text(langtext::images::nameHeading), text(langtext::images::datHeading), text(langtext::images::sizeHeading)});
    QHeaderView* header = list->horizontalHeader();
    header->setSectionsClickable(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setHighlightSections(false);
    // The names take what the figures leave.
    header->setSectionResizeMode(nameColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(datColumn, QHeaderView::Fixed);
    header->setSectionResizeMode(sizeColumn, QHeaderView::Fixed);
    list->verticalHeader()->hide();
    list->verticalHeader()->setDefaultSectionSize(rowHeight);
    list->setIconSize(QSize(ThumbnailCache::side, ThumbnailCache::side));
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
    previewFrame->setMinimumSize(previewMinimum);
    previewFrame->setAutoFillBackground(true);
    previewFrame->installEventFilter(this);
    picture = new AnimatedPicture(previewFrame);
    picture->setObjectName(QStringLiteral("preview"));
    picture->resize(0, 0);

    auto* figures = new QFormLayout;
    const auto addFigure = [this, figures](int number, const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setReadOnly(true);
        edit->setMaximumWidth(figureWidth);
        figures->addRow(text(number), edit);
        return edit;
    };
    widthEdit = addFigure(langtext::images::width, "width");
    heightEdit = addFigure(langtext::images::height, "height");
    bytesEdit = addFigure(langtext::images::bytes, "bytes");

    auto* commands = new QVBoxLayout;
    commands->addLayout(figures);
    commands->addSpacing(12);
    const auto addCommand = [this, commands](int number, const char* name, void (ImagesPage::*command)()) {
        auto* button = new QPushButton(text(number), this);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        button->setMinimumWidth(commandWidth);
        connect(button, &QPushButton::clicked, this, command);
        commands->addWidget(button);
        return button;
    };
    replaceButton = addCommand(langtext::images::replace, "replace", &ImagesPage::replacePicture);
    importButton = addCommand(langtext::images::importFolder, "import", &ImagesPage::importFolder);
    giveBackButton = addCommand(langtext::images::giveBack, "giveBack", &ImagesPage::giveBackPictures);
    exportButton = addCommand(langtext::images::exportPictures, "export", &ImagesPage::exportPictures);
    commands->addStretch(1);

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(filter);
    listColumn->addWidget(list, 1);
    auto* previewColumn = new QVBoxLayout;
    previewColumn->addWidget(previewFrame, 1);
    backdropChoice = new BackdropChoice(text(langtext::images::transparentPixels), text(langtext::images::checkerboard),
                                        text(langtext::images::background), backgroundButtonId, this);
    connect(backdropChoice, &BackdropChoice::changed, this, &ImagesPage::backdropChanged);
    previewColumn->addWidget(backdropChoice);
    auto* page = new QHBoxLayout(this);
    page->addLayout(listColumn, 3);
    page->addLayout(previewColumn, 1);
    page->addLayout(commands);

    drops = new FileDropFilter(this);
    drops->watch(list->viewport());
    drops->watch(previewFrame);
    connect(drops, &FileDropFilter::dropped, this, &ImagesPage::filesDropped);
    fillPreviewFrame();
}

bool ImagesPage::showsCheckerboard() const
{
    return backdropChoice->showsCheckerboard();
}

QString ImagesPage::rowName(ElementId id) const
{
    const QString digits = QString::number(id);
    return text(langtext::images::rowPrefix) + QString(std::max<qsizetype>(0, 4 - digits.size()), QLatin1Char('0'))
        + digits;
}

QString ImagesPage::pictureName(ElementId id) const
{
    const QString place = commandtexts::pictureName(id, texts);
    return place.isEmpty() ? rowName(id) : QString::number(id) + QLatin1Char(' ') + place;
}

void ImagesPage::showRow(int row)
{
    const ElementId id = ids[std::size_t(row)];
    // The data file that holds the edited skin's own copy, or the default skin's word.
    const std::optional<PictureLocation> where = model.edited().getPictureLocation(id);
    list->item(row, datColumn)->setText(where ? QString::number(where->file) : text(langtext::images::defaultDat));
    const bool own = where.has_value();
    for (int column = 0; column < list->columnCount(); ++column) {
        QTableWidgetItem* item = list->item(row, column);
        QFont font = item->font();
        font.setBold(own);
        item->setFont(font);
    }
    std::vector<std::uint8_t> bytes;
    // The size a picture of its own must have is the default picture's.
    model.defaults().getPicture(id, bytes);
    list->item(row, sizeColumn)->setText(sizeText(thumbnails.lookup(bytes).size));
    model.getPicture(id, bytes);
    list->item(row, nameColumn)->setIcon(thumbnailIcon(thumbnails.lookup(bytes).thumbnail, backdropChoice->backdrop()));
}

void ImagesPage::showThumbnails()
{
    for (int row = 0; row < list->rowCount() && std::size_t(row) < ids.size(); ++row)
        showRow(row);
}

void ImagesPage::applyFilter()
{
    const QString wanted = filter->text().trimmed();
    for (int row = 0; row < list->rowCount() && std::size_t(row) < ids.size(); ++row) {
        const bool shown = wanted.isEmpty() || list->item(row, nameColumn)->text().contains(wanted, Qt::CaseInsensitive)
                           || QString::number(ids[std::size_t(row)]).contains(wanted);
        list->setRowHidden(row, !shown);
        // What the commands work on is what the user sees.
        if (!shown)
            list->selectionModel()->select(list->model()->index(row, 0),
                                           QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
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

bool ImagesPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == previewFrame && event->type() == QEvent::Resize)
        centrePicture();
    return QWidget::eventFilter(watched, event);
}

void ImagesPage::rebuildList()
{
    list->setRowCount(0);
    list->setRowCount(int(ids.size()));
    for (int row = 0; row < int(ids.size()); ++row) {
        auto* name = new QTableWidgetItem(pictureName(ids[std::size_t(row)]));
        // A narrow list cuts long names: the whole name shows under the pointer.
        name->setToolTip(name->text());
        list->setItem(row, nameColumn, name);
        list->setItem(row, datColumn, new QTableWidgetItem);
        list->setItem(row, sizeColumn, new QTableWidgetItem);
        showRow(row);
    }
    fitFigureColumns();
    applyFilter();
    if (shownIndex >= 0 && shownIndex < list->rowCount() && !list->isRowHidden(shownIndex))
        selectRow(shownIndex);
}

// The figures' columns are as wide as their widest text in bold, the look
// of a row that holds its own picture, so that no row's figures are cut.
void ImagesPage::fitFigureColumns()
{
    QFont bold = list->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    QHeaderView* header = list->horizontalHeader();
    for (const int column : {datColumn, sizeColumn}) {
        int width = header->sectionSizeHint(column);
        for (int row = 0; row < list->rowCount(); ++row)
            width = std::max(width, metrics.horizontalAdvance(list->item(row, column)->text()) + 10);
        if (column == datColumn)
            width = std::max(width, metrics.horizontalAdvance(text(langtext::images::defaultDat)) + 10);
        header->resizeSection(column, width);
    }
}

// Selected alone whatever keys are held; the selection shows the picture.
void ImagesPage::selectRow(int row)
{
    const QModelIndex index = list->model()->index(row, 0);
    list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    list->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list->scrollTo(index);
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
        showRow(row);
        if (row == shownIndex)
            showPicture(row);
    }
    fitFigureColumns();
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
    if (showsCheckerboard())
        picture->setCheckerboardBackground();
    else
        picture->setBackground(backdropChoice->colour());
    showSizes(picture->pictureWidth(), picture->pictureHeight(), size);
    picture->start();
    centrePicture();
    fillPreviewFrame();
}

// Centred in the preview area; a larger picture is cut at its edges.
void ImagesPage::centrePicture()
{
    const QSize area = previewFrame->size();
    picture->move(std::max(0, (area.width() - picture->width()) / 2),
                  std::max(0, (area.height() - picture->height()) / 2));
}

void ImagesPage::showSizes(int width, int height, int bytes)
{
    shownWidth = width;
    shownHeight = height;
    setTextIfChanged(widthEdit, QString::number(width));
    setTextIfChanged(heightEdit, QString::number(height));
    setTextIfChanged(bytesEdit, QString::number(bytes));
}

// The area around the picture: the background colour, or the page's own
// colour around a checkerboard, so that the picture's edges show.
void ImagesPage::fillPreviewFrame()
{
    const QColor fill = showsCheckerboard() ? windowColour() : qColorFromValue(backdropChoice->colour());
    if (previewFrame->palette().color(QPalette::Window) == fill)
        return;
    QPalette palette = previewFrame->palette();
    palette.setColor(QPalette::Window, fill);
    previewFrame->setPalette(palette);
}

void ImagesPage::backdropChanged()
{
    fillPreviewFrame();
    showThumbnails();
    showPicture(shownIndex);
}

void ImagesPage::replacePicture()
{
    const std::vector<int> rows = selectedRows();
    if (rows.size() != 1) {
        showMessage(text(langtext::images::onlyOnePicture), DialogService::Icon::Exclamation);
        return;
    }
    FileQuestion question{{}, {}, text(langtext::shell::fileFilter), text(langtext::images::pictureFiles)};
    const QString path = askFileName(false, fileNameFullPath, pictureconversion::commonSuffixes(), question);
    if (!path.isEmpty())
        replaceWithFile(path);
}

void ImagesPage::replaceWithFile(const QString& path)
{
    // The bytes stored are the ones judged: the file is read once.
    std::vector<std::uint8_t> bytes;
    if (readWholeFile(localPath(path), bytes) < 0) {
        Picture().loadFromFile(path); // says why the file cannot be read
        bytes.clear();
    }
    pictureconversion::SkinPicture chosen =
        pictureconversion::pictureForSkin(std::move(bytes), pictureconversion::Conversion::toGif);
    if (!chosen.usable || !model.edited().hasLineTable() || shownIndex < 0) {
        showMessage(text(langtext::images::cannotOpenPicture), DialogService::Icon::Error);
        return;
    }
    const QSize shown(shownWidth, shownHeight);
    if (chosen.size != shown) {
        // Both sizes, where the picture shown has one.
        QString message = text(langtext::message::pictureOtherSize);
        if (!shown.isEmpty())
            message += QLatin1Char('\n') + commandtexts::sizesText(chosen.size, shown, texts);
        showMessage(message, DialogService::Icon::Error);
        return;
    }
    // The row, the preview and every other view follow the session's change.
    session.push(
        std::make_unique<ReplacePictureCommand>(session, ids[std::size_t(shownIndex)], std::move(chosen.bytes)));
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
        showMessage(pictureName(id) + QLatin1Char('\n') + text(langtext::images::notRestored),
                    DialogService::Icon::Error);
}

void ImagesPage::exportPictures()
{
    const std::vector<int> rows = selectedRows();
    if (rows.size() == 1) {
        exportOne(ids[std::size_t(rows.front())]);
        return;
    }
    QString folder;
    if (!browseForFolder(folder))
        return;
    QStringList failed;
    int written = 0;
    for (const int row : rows) {
        const ElementId id = ids[std::size_t(row)];
        std::vector<std::uint8_t> bytes;
        if (model.getPicture(id, bytes) <= 0)
            continue;
        const QString path = QDir(folder).filePath(QString::number(id) + QStringLiteral(".gif"));
        // Written whole or not at all: an interrupted export leaves no cut-off picture.
        if (writeWholeFile(bytes, localPath(path)))
            ++written;
        else
            failed << path;
    }
    if (!failed.isEmpty())
        showMessage(text(langtext::images::exportFailed) + QLatin1Char('\n') + failed.join(QLatin1Char('\n')),
                    DialogService::Icon::Error);
    // A language file without the text reads "NULL", with no places for the figures.
    QString report = text(langtext::images::picturesExported);
    if (report.contains(QLatin1String("%2")))
        report = report.arg(written).arg(QDir::toNativeSeparators(folder));
    emit statusMessage(report);
}

// One picture to a file the user names: as the skin stores it, or as a PNG.
void ImagesPage::exportOne(ElementId id)
{
    const QString path = askFileName(true, fileNameFullPath, {QStringLiteral("gif"), QStringLiteral("png")});
    if (path.isEmpty())
        return;
    std::vector<std::uint8_t> bytes;
    if (model.getPicture(id, bytes) > 0 && QFileInfo(path).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0)
        bytes = pictureconversion::toPng(bytes);
    if (bytes.empty() || !writeWholeFile(bytes, localPath(path))) {
        showMessage(text(langtext::images::exportFailed) + QLatin1Char('\n') + path, DialogService::Icon::Error);
        return;
    }
    emit statusMessage(commandtexts::withArgument(langtext::images::pictureExported, QDir::toNativeSeparators(path), texts));
}

void ImagesPage::importFolder()
{
    QString folder;
    if (!browseForFolder(folder)) {
        rebuildList();
        return;
    }
    // Modal to the window without blocking here; the list follows when it closes.
    auto* dialog = new PictureImportDialog(
        folder,
        {text(langtext::images::importTitle), text(langtext::images::replace), text(langtext::images::close)},
        session, texts, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, &ImagesPage::rebuildList);
    dialog->open();
}

// Dropped files as one import: the dialog shows every file's verdict at once.
void ImagesPage::importFiles(const QStringList& paths)
{
    auto* dialog = new PictureImportDialog(
        paths, {text(langtext::images::importTitle), text(langtext::images::replace), text(langtext::images::close)},
        session, texts, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->importPictures();
    dialog->open();
}

// One picture file dropped on a row, or on the preview, replaces that row's
// picture; several files or a folder are imported by their numbered names.
void ImagesPage::filesDropped(QWidget* target, const QStringList& paths, QPoint place)
{
    if (paths.size() == 1 && QFileInfo(paths.front()).isFile()) {
        const int row = target == previewFrame ? shownIndex : list->indexAt(place).row();
        if (row >= 0 && row < int(ids.size())) {
            if (row != shownIndex || selectedRows().size() != 1)
                selectRow(row);
            replaceWithFile(paths.front());
            return;
        }
    }
    QStringList candidates;
    for (const QString& path : paths) {
        const QFileInfo dropped(path);
        if (dropped.isDir()) {
            for (const QString& name : pictureimport::candidateNames(path, pictureimport::Conversion::toGif))
                candidates << QDir(path).filePath(name);
        } else if (pictureimport::isCandidateName(dropped.fileName(), pictureimport::Conversion::toGif)) {
            candidates << path;
        }
    }
    if (!candidates.isEmpty())
        importFiles(candidates);
}
