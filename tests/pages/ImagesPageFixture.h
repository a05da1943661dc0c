#pragma once

// The images page as the user meets it: inside the main window, offscreen,
// over a default skin of a few pictures, with every question answered by
// ScriptedDialogs. Shared by the page's test programs.

#include "GifBuilder.h"
#include "ModelAccess.h"
#include "ScriptedDialogs.h"
#include "TestWorkspace.h"
#include "app/MainWindow.h"
#include "pages/ElementPage.h"
#include "pages/ImagesPage.h"
#include "pages/PictureImportDialog.h"
#include "widgets/AnimatedPicture.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>
#include <QUrl>

#include <memory>
#include <vector>

namespace imagestest {

using Bytes = std::vector<std::uint8_t>;

inline QByteArray asBytes(const Bytes& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

// A still GIF of one colour (index into red, green, blue, white).
inline QByteArray stillGif(int width, int height, std::uint8_t colour)
{
    return asBytes(GifBuilder(width, height).add(GifBuilder::frame(0, 0, width, height, colour)).build());
}

// Red for a third of a second, then green for five seconds.
inline QByteArray animatedGif()
{
    return asBytes(GifBuilder(8, 8)
                       .add(GifBuilder::frame(0, 0, 8, 8, 0, 30))
                       .add(GifBuilder::frame(0, 0, 8, 8, 1, 500))
                       .build());
}

// Two small frames in the corners of an 8 x 8 screen, a tenth of a second
// each: the rest of the screen shows what every round starts on.
inline QByteArray blinkingGif()
{
    return asBytes(GifBuilder(8, 8)
                       .add(GifBuilder::frame(0, 0, 4, 4, 0, 0))
                       .add(GifBuilder::frame(4, 4, 4, 4, 1, 0))
                       .build());
}

inline constexpr QRgb red = 0xFFFF0000;
inline constexpr QRgb green = 0xFF00FF00;
inline constexpr QRgb blue = 0xFF0000FF;

// The default skin's pictures, in the order of its lines: 7 (the analog
// clock's face) appears twice, 652 (the left key's state 2) shares the bytes
// of 630 (its state 0), 12345 has five digits, 903 and 954 play, the three
// bytes of 77 do not decode. The idle screen shows 630, 652 and 7; the
// others keep names made of their numbers.
struct DefaultPictures {
    QByteArray seven = stillGif(4, 3, 0);
    QByteArray sixThirty = stillGif(5, 5, 1);
    QByteArray fiveDigits = stillGif(6, 2, 2);
    QByteArray animated = animatedGif();
    QByteArray blinking = blinkingGif();
};

inline const QStringList defaultRowNames = {
    QStringLiteral("630 Left key, state 0"), QStringLiteral("7 Analog clock"), QStringLiteral("Image_12345"),
    QStringLiteral("652 Left key, state 2"), QStringLiteral("Image_0903"), QStringLiteral("7 Analog clock"),
    QStringLiteral("Image_0954"), QStringLiteral("Image_0077"),
};
// The size a picture of its own must have: the default picture's.
inline const QStringList defaultSizes = {
    QStringLiteral("5 x 5"), QStringLiteral("4 x 3"), QStringLiteral("6 x 2"), QStringLiteral("5 x 5"),
    QStringLiteral("8 x 8"), QStringLiteral("4 x 3"), QStringLiteral("8 x 8"), QString(),
};
inline constexpr int row630 = 0;
inline constexpr int row7 = 1;
inline constexpr int row12345 = 2;
inline constexpr int rowAnimated = 4;
inline constexpr int rowBlinking = 6;
inline constexpr int rowUndecodable = 7;

inline QString text13() { return QStringLiteral("The new picture must have the same size as the default picture."); }
inline QString sizes(int width, int height, int defaultWidth, int defaultHeight)
{
    return QStringLiteral("The picture is %1 x %2 pixels; the default picture is %3 x %4.")
        .arg(width).arg(height).arg(defaultWidth).arg(defaultHeight);
}
inline QString cannotOpenAsPicture() { return QStringLiteral("Can't open the file as a picture."); }

// A picture file in another format than GIF.
inline QByteArray pictureFile(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A 5 x 5 key picture in three colours whose top left pixel is transparent.
inline QImage keyPicture()
{
    QImage image(5, 5, QImage::Format_ARGB32);
    image.fill(qRgb(200, 30, 40));
    image.setPixel(4, 4, qRgb(10, 20, 250));
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    return image;
}

// Drags the files over target and drops them at place, as a file manager
// does; the drop's work follows once the events are processed. False when
// nothing took the drag.
inline bool dropFiles(QWidget* target, const QStringList& paths, QPoint place)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    QDragEnterEvent enter(place, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(place), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
    return drop.isAccepted();
}

inline QRgb previewPixel(ImagesPage& page)
{
    const QImage shown = page.preview().snapshot();
    return shown.isNull() ? 0 : shown.pixel(0, 0);
}


} // namespace imagestest

// Opens the window on a new skin with the images tab shown; the tests' init
// and cleanup call openWindow and closeWindow.
class ImagesPageFixture : public QObject, protected WorkspaceSession {
protected:
    using DefaultPictures = imagestest::DefaultPictures;

    std::unique_ptr<MainWindow> window;
    DefaultPictures pictures;

    void writeDefaultSkin()
    {
        const QByteArray data =
            pictures.seven + pictures.sixThirty + pictures.fiveDigits + pictures.animated + pictures.blinking + "xyz";
        const auto record = [](int id, qsizetype offset, qsizetype size) {
            return QByteArray("5 ") + QByteArray::number(id) + ' ' + QByteArray::number(offset) + ' ' +
                   QByteArray::number(size) + " 0\n";
        };
        const qsizetype at630 = pictures.seven.size();
        const qsizetype at12345 = at630 + pictures.sixThirty.size();
        const qsizetype at903 = at12345 + pictures.fiveDigits.size();
        const qsizetype at954 = at903 + pictures.animated.size();
        QByteArray ski = TestWorkspace::defaultSkinBytes();
        ski += record(630, at630, pictures.sixThirty.size()) + record(7, 0, pictures.seven.size()) +
               record(12345, at12345, pictures.fiveDigits.size()) + record(652, at630, pictures.sixThirty.size()) +
               record(903, at903, pictures.animated.size()) + record(7, 0, pictures.seven.size()) +
               record(954, at954, pictures.blinking.size()) +
               record(77, at954 + pictures.blinking.size(), 3);
        workspace->writeFile(QStringLiteral("Default/Vela/Vela.ski"), ski);
        workspace->writeFile(QStringLiteral("Default/Vela/Vela.dat"), data);
    }

    SkinModel& model() { return window->skinSession().modelForEdit(); }
    ImagesPage& page() { return *window->imagesPage(); }
    QTableWidget* list() { return page().findChild<QTableWidget*>(QStringLiteral("pictureList")); }
    QString field(const char* name) { return page().findChild<QLineEdit*>(QLatin1String(name))->text(); }
    QStringList column(int index)
    {
        QStringList texts;
        for (int row = 0; row < list()->rowCount(); ++row)
            texts << list()->item(row, index)->text();
        return texts;
    }
    // The rows shown in bold, both of their cells alike.
    std::vector<int> boldRows()
    {
        std::vector<int> rows;
        for (int row = 0; row < list()->rowCount(); ++row) {
            const bool bold = list()->item(row, 0)->font().bold();
            if (list()->item(row, 1)->font().bold() != bold)
                return {-1};
            if (bold)
                rows.push_back(row);
        }
        return rows;
    }
    void click(const char* button) { QTest::mouseClick(page().findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton); }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {})
    {
        const QRect place = list()->visualRect(list()->model()->index(row, 0));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, modifiers, place.center());
    }
    void trigger(MainWindow::Command command) { window->commandAction(command)->trigger(); }
    // The images tab, shown as the user sees it after choosing it.
    void showImagesTab()
    {
        window->tabWidget()->setCurrentIndex(1);
        QVERIFY(page().isVisible());
    }
    void showElementsTab() { window->tabWidget()->setCurrentIndex(0); }
    QPoint rowCentre(int row) { return list()->visualRect(list()->model()->index(row, 0)).center(); }
    void storeOwn(ElementId id, const QByteArray& bytes)
    {
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
        QVERIFY(editedSkin(model()).setPicture(id, std::span(data, std::size_t(bytes.size()))));
    }
    QByteArray ownPicture(ElementId id)
    {
        std::vector<std::uint8_t> bytes;
        return editedSkin(model()).getPicture(id, bytes) < 0 ? QByteArray() : imagestest::asBytes(bytes);
    }

    void openWindow()
    {
        startSession();
        workspace->addShippedLanguages();
        writeDefaultSkin();
        window = std::make_unique<MainWindow>();
        QVERIFY(window->initialise());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        trigger(MainWindow::commandNew);
        showImagesTab();
    }
    void closeWindow()
    {
        window.reset();
        endSession();
    }
};
