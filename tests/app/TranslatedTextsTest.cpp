// Every text a user meets in the editor's windows, walked in Deutsch and in
// English: no German text is the English one (but for the few words both
// languages share), and every text fits the room its control gives it at
// the window's size, in both languages.

#include "GifBuilder.h"
#include "ScriptedDialogs.h"
#include "TestWorkspace.h"
#include "app/AboutDialog.h"
#include "app/ListSelectDialog.h"
#include "app/MainWindow.h"
#include "app/StartPanel.h"
#include "document/LanguageTexts.h"
#include "idlescreen/ElementTable.h"
#include "idlescreen/IdleScreenIds.h"
#include "pages/ElementPage.h"
#include "pages/ImagesPage.h"
#include "pages/PictureImportDialog.h"
#include "pages/PropertyPanel.h"
#include "preview/PreviewFonts.h"
#include "widgets/ColourButton.h"
#include "widgets/PreviewFrame.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include <map>
#include <memory>

namespace {

// One text as shown: the pixels it needs and the room its control gives it (0: not measured).
struct Shown {
    QString text;
    int needed = 0;
    int room = 0;
};
using ShownTexts = std::map<QString, Shown>;

// Words both languages write alike; names, numbers and file names.
const QRegularExpression sameInBoth(QStringLiteral(
    "^(OK|Dat|Bytes|Position|JoyPad|X1|Y1|X2|Y2|\\d+ x \\d+|\\*|=|\\.\\.\\.|-?\\d+|%1: %2|VelaSkin Version [\\d.]+|"
    "velaskin@example\\.org|\\S+\\.(lng|gif)( - OK)?|Vela|Vela Skin)$"));

QString shownText(const QString& withMnemonic)
{
    // "&Open" shows as "Open", "&&" as "&".
    QString text = withMnemonic;
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&')).replace(
        QLatin1Char('\x01'), QLatin1Char('&'));
}

int widestWord(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

// Walks widgets, menus and item views and records each text under a key that
// names where it shows, the same key in every language.
class TextWalker {
public:
    ShownTexts texts;

    void add(const QString& key, const QString& text, int needed = 0, int room = 0)
    {
        if (!text.isEmpty())
            texts[key] = {text, needed, room};
    }

    void widgets(const QString& prefix, QWidget& root)
    {
        visit(prefix, root);
        if (root.isWindow())
            add(prefix + QStringLiteral("/title"), titleOf(root));
    }

    void menus(const QString& prefix, const QList<QAction*>& actions)
    {
        int index = 0;
        for (QAction* action : actions) {
            const QString key = prefix + QLatin1Char('/') + QString::number(index++);
            if (action->isSeparator() || action->objectName() == QStringLiteral("recentSkin"))
                continue;
            add(key, shownText(action->text()));
            if (action->menu())
                menus(key, action->menu()->actions());
        }
    }

private:
    void visit(const QString& key, QWidget& widget)
    {
        if (!widget.isVisible())
            return;
        add(key + QStringLiteral("/tip"), widget.toolTip());
        measure(key, widget);
        std::map<QString, int> counts;
        for (QObject* child : widget.children()) {
            auto* childWidget = qobject_cast<QWidget*>(child);
            if (!childWidget || childWidget->isWindow())
                continue;
            QString name = childWidget->objectName();
            if (name.isEmpty() || name.startsWith(QStringLiteral("qt_")))
                name = QLatin1String(childWidget->metaObject()->className());
            visit(key + QLatin1Char('/') + name + QLatin1Char('#') + QString::number(counts[name]++), *childWidget);
        }
    }

    void measure(const QString& key, QWidget& widget)
    {
        const QFontMetrics metrics = widget.fontMetrics();
        QStyle* style = widget.style();
        if (auto* label = qobject_cast<QLabel*>(&widget)) {
            const int needed = label->wordWrap() ? widestWord(metrics, label->text())
                                                 : metrics.horizontalAdvance(label->text());
            add(key, label->text(), needed, label->contentsRect().width());
        } else if (auto* check = qobject_cast<QCheckBox*>(&widget)) {
            const QString text = shownText(check->text());
            add(key, text,
                metrics.horizontalAdvance(text) + style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, check)
                    + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, check),
                check->width());
        } else if (auto* button = qobject_cast<QPushButton*>(&widget)) {
            // The room a push button's text takes, as Qt's styles measure it.
            const QString text = shownText(button->text());
            add(key, text,
                metrics.horizontalAdvance(text) + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
                    + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button),
                button->width());
        } else if (auto* group = qobject_cast<QGroupBox*>(&widget)) {
            add(key + QStringLiteral("/group"), shownText(group->title()), metrics.horizontalAdvance(group->title()),
                group->width());
        } else if (auto* tabs = qobject_cast<QTabBar*>(&widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(key + QStringLiteral("/tab") + QString::number(i), shownText(tabs->tabText(i)));
        } else if (auto* tree = qobject_cast<QTreeWidget*>(&widget)) {
            treeItems(key, *tree);
        } else if (auto* table = qobject_cast<QTableWidget*>(&widget)) {
            tableItems(key, *table);
        } else if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const int room = style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                                 .width();
            for (int i = 0; i < combo->count(); ++i)
                add(key + QStringLiteral("/item") + QString::number(i), combo->itemText(i),
                    metrics.horizontalAdvance(combo->itemText(i)), room);
        } else if (auto* list = qobject_cast<QListWidget*>(&widget)) {
            for (int i = 0; i < list->count(); ++i) {
                const QString text = list->item(i)->text();
                const int needed = list->wordWrap() ? widestWord(metrics, text) : metrics.horizontalAdvance(text);
                add(key + QStringLiteral("/item") + QString::number(i), text, needed, list->viewport()->width() - 4);
            }
        }
    }

    void treeItems(const QString& key, QTreeWidget& tree)
    {
        tree.expandAll();
        // The opened tree may need a scroll bar, which takes room from the items.
        QCoreApplication::processEvents();
        int index = 0;
        for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
            QTreeWidgetItem* item = *it;
            int depth = 0;
            for (const QTreeWidgetItem* up = item->parent(); up; up = up->parent())
                ++depth;
            // Bold when the element differs from the default skin: measured bold, the wider.
            QFont bold = item->font(0);
            bold.setBold(true);
            const int needed = tree.indentation() * (depth + 1) + QFontMetrics(bold).horizontalAdvance(item->text(0)) + 4;
            add(key + QStringLiteral("/item") + QString::number(index++), item->text(0), needed,
                tree.viewport()->width());
        }
    }

    void tableItems(const QString& key, QTableWidget& table)
    {
        const QFontMetrics header = table.horizontalHeader()->fontMetrics();
        for (int column = 0; column < table.columnCount(); ++column) {
            const QString heading = table.horizontalHeaderItem(column)->text();
            add(key + QStringLiteral("/heading") + QString::number(column), heading,
                header.horizontalAdvance(heading) + 8, table.columnWidth(column));
            for (int row = 0; row < table.rowCount(); ++row) {
                const QTableWidgetItem* item = table.item(row, column);
                QFont bold = item->font();
                bold.setBold(true);
                add(key + QStringLiteral("/cell") + QString::number(row) + QLatin1Char(',') + QString::number(column),
                    item->text(), QFontMetrics(bold).horizontalAdvance(item->text()) + 8, table.columnWidth(column));
            }
        }
    }
};

QByteArray stillGif(int width, int height)
{
    const auto bytes = GifBuilder(width, height).add(GifBuilder::frame(0, 0, width, height, 0)).build();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

} // namespace

class TranslatedTextsTest : public QObject, protected WorkspaceSession {
    Q_OBJECT

private:
    // The shipped languages and the shipped default skin, started in the language of the file.
    std::unique_ptr<MainWindow> startIn(const QString& languageFile)
    {
        workspace->addShippedLanguages();
        workspace->addShippedDefaultSkin();
        workspace->writeSettings("[Language]\ndeflanguage=" + languageFile.toUtf8() + "\n");
        auto window = std::make_unique<MainWindow>();
        if (!window->initialise())
            return nullptr;
        window->show();
        return window;
    }

    // Everything the user can come to see, in the language of the file.
    ShownTexts walk(const QString& languageFile)
    {
        auto window = startIn(languageFile);
        if (!window)
            return {};
        TextWalker walker;
        walker.widgets(QStringLiteral("start"), *window);
        walker.menus(QStringLiteral("menu"), window->menuBar()->actions());
        walker.menus(QStringLiteral("toolbar"), window->toolBar()->actions());

        window->commandAction(MainWindow::commandNew)->trigger();
        walker.add(QStringLiteral("title"), titleOf(*window));
        for (int tab = 0; tab < window->tabWidget()->count(); ++tab)
            walker.add(QStringLiteral("tab") + QString::number(tab), window->tabWidget()->tabText(tab));
        ElementPage& page = *window->elementPage();
        walker.widgets(QStringLiteral("elements"), page);
        // The panel of every element, and the title of each colour chooser it offers.
        int index = 0;
        for (QTreeWidgetItemIterator it(&page.tree()); *it; ++it, ++index) {
            page.tree().setCurrentItem(*it);
            const QString key = QStringLiteral("panel") + QString::number(index);
            walker.widgets(key, page.panel());
            for (const char* name : {"colour1", "colour2", "colour3"}) {
                const auto* colour = page.panel().findChild<ColourButton*>(QLatin1String(name));
                if (colour->isVisibleTo(&page))
                    walker.add(key + QLatin1Char('/') + QLatin1String(name) + QStringLiteral("/chooser"),
                               colour->chooserTitle());
            }
        }

        window->tabWidget()->setCurrentIndex(1);
        ImagesPage& images = *window->imagesPage();
        walker.widgets(QStringLiteral("images"), images);

        AboutDialog about(window->languageTable(), window.get());
        about.show();
        walker.widgets(QStringLiteral("about"), about);

        ListSelectDialog languages(QString::fromStdString(window->languageTable().text(langtext::shell::selectLanguage)),
                                   window->languageFolderPath(), ListSelectDialog::Mode::Files, window.get());
        languages.show();
        walker.widgets(QStringLiteral("languages"), languages);

        // An import that stores one picture and refuses two.
        workspace->writeFile(QStringLiteral("import/630.gif"), stillGif(3, 3));
        workspace->writeFile(QStringLiteral("import/632.gif"), "no picture");
        std::vector<std::uint8_t> clockFace;
        window->skinModel().getPicture(idlescreen::clockFace.picture, clockFace);
        workspace->writeFile(QStringLiteral("import/%1.gif").arg(idlescreen::clockFace.picture),
                             QByteArray(reinterpret_cast<const char*>(clockFace.data()), qsizetype(clockFace.size())));
        const LanguageTable& texts = window->languageTable();
        const auto text = [&texts](int number) { return QString::fromStdString(texts.text(number)); };
        PictureImportDialog import(workspace->path(QStringLiteral("import")),
                                   {text(langtext::images::importTitle), text(langtext::images::replace),
                                    text(langtext::images::close)},
                                   window->skinSession(), texts, window.get());
        import.show();
        import.importPictures();
        walker.widgets(QStringLiteral("import"), import);

        // The check's list of findings.
        window->skinSession().modelForEdit().setColour(595, 0, 300);
        window->commandAction(MainWindow::commandCheckSkin)->trigger();
        if (!dialogs->lists.empty()) {
            ListSelectDialog findings(dialogs->lists.back().title, dialogs->lists.back().lines, window.get());
            findings.show();
            walker.widgets(QStringLiteral("findings"), findings);
        }
        // The messages shown on the way.
        for (std::size_t i = 0; i < dialogs->messages.size(); ++i)
            walker.add(QStringLiteral("message") + QString::number(i), dialogs->messages[i].text);
        return walker.texts;
    }

private slots:
    void init()
    {
        startSession();
    }
    void cleanup()
    {
        endSession();
    }

    void germanTextsAreGermanAndEveryTextFits()
    {
        const ShownTexts english = walk(QStringLiteral("English.lng"));
        endSession();
        startSession();
        const ShownTexts german = walk(QStringLiteral("Deutsch.lng"));
        QVERIFY(english.size() > 300);
        QCOMPARE(german.size(), english.size());

        QStringList faults;
        for (const auto& [key, shown] : german) {
            const auto found = english.find(key);
            if (found == english.end())
                faults << QStringLiteral("only in Deutsch: ") + key + QStringLiteral(" \"") + shown.text + '"';
            else if (found->second.text == shown.text && !sameInBoth.match(shown.text).hasMatch())
                faults << QStringLiteral("English in Deutsch: ") + key + QStringLiteral(" \"") + shown.text + '"';
        }
        for (const auto* texts : {&english, &german})
            for (const auto& [key, shown] : *texts)
                if (shown.needed > shown.room && shown.room >= 0 && (shown.needed > 0))
                    faults << QStringLiteral("cut: ") + key + QStringLiteral(" \"") + shown.text + QStringLiteral("\" needs ")
                                  + QString::number(shown.needed) + QStringLiteral(" of ") + QString::number(shown.room);
        if (qEnvironmentVariableIsSet("DUMP_TEXTS"))
            for (const auto& [key, shown] : german)
                qInfo().noquote() << key << shown.text << shown.needed << shown.room;
        for (const QString& fault : faults)
            qWarning().noquote() << fault;
        QVERIFY2(faults.isEmpty(), "German texts in English, or texts that do not fit (above)");
    }

    // The JoyPad labels' captions, word-wrapped in their boxes of the shipped
    // default skin, in both sets and both languages.
    void joyPadCaptionsFitTheirBoxes()
    {
        workspace->addShippedLanguages();
        SkinModel model;
        QCOMPARE(model.loadDefaultSkin(VELASKIN_DATA_DIR "/Default/Vela/Vela.ski"), LoadResult::Loaded);
        const QFontMetrics metrics(PreviewFonts::caption());
        QStringList faults;
        for (const char* file : {"English.lng", "Deutsch.lng"}) {
            LanguageTable texts;
            QVERIFY(texts.load(workspace->path(QStringLiteral("Lng/") + QLatin1String(file)).toStdString()));
            for (const idlescreen::JoyPadLabelIds& label : idlescreen::joyPadLabels) {
                const QString caption = QString::fromStdString(texts.text(label.captionText));
                for (const ElementId rect : {label.rectOff, label.rectOn}) {
                    const SkinRect box = model.getRect(rect);
                    // The caption's room: 2 pixels in from left and right, 1 from top and bottom.
                    const QSize room(box.right - box.left - 4, box.bottom - box.top - 2);
                    const QRect needed = metrics.boundingRect(QRect(QPoint(), room), Qt::AlignLeft | Qt::AlignTop
                                                                                        | Qt::TextWordWrap, caption);
                    if (needed.width() > room.width() || needed.height() > room.height())
                        faults << QStringLiteral("%1 in %2: %3 x %4 in %5 x %6")
                                      .arg(caption, QString::number(rect), QString::number(needed.width()),
                                           QString::number(needed.height()), QString::number(room.width()),
                                           QString::number(room.height()));
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(TranslatedTextsTest)
#include "TranslatedTextsTest.moc"
