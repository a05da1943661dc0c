#include "preview/PreviewFonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

const QString impactFamily = QStringLiteral("Impact");
const QString narrowSansFile = QStringLiteral("/usr/share/fonts/truetype/liberation/LiberationSansNarrow-Bold.ttf");
const QString tahomaFamily = QStringLiteral("Tahoma");
const QString tahomaFile = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");

// One name looked up: the system's families are not listed.
bool installed(const QString& family)
{
    return QFontDatabase::hasFamily(family);
}

// The family of the font file, registered on first use; "" when the file
// cannot be read.
QString registeredFamily(const QString& path)
{
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    return families.value(0);
}

// The family when installed, else the file's family, else a plain sans.
QFont face(const QString& family, const QString& file)
{
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    if (installed(family))
        font.setFamily(family);
    else if (const QString fromFile = registeredFamily(file); !fromFile.isEmpty())
        font.setFamily(fromFile);
    return font;
}

// The largest pixel size whose ascent plus descent fits the cell height.
void fitCellHeight(QFont& font, int cellHeight)
{
    for (int size = cellHeight; size > 1; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).height() <= cellHeight)
            return;
    }
}

// Stretches the font horizontally so that its average character width is
// averageWidth pixels.
void squeeze(QFont& font, int averageWidth)
{
    font.setStretch(100);
    const qreal measured = QFontMetricsF(font).averageCharWidth();
    if (measured <= 0)
        return;
    font.setStretch(std::clamp(int(std::lround(100.0 * averageWidth / measured)), 1, 4000));
}

QFont makeTextFont()
{
    QFont font = face(impactFamily, narrowSansFile);
    // Impact is heavy by itself; the stand-in needs its bold face.
    font.setWeight(font.family() == impactFamily ? QFont::Normal : QFont::Bold);
    font.setStyleStrategy(QFont::NoAntialias);
    fitCellHeight(font, PreviewFonts::textCellHeight);
    squeeze(font, PreviewFonts::textAverageWidth);
    return font;
}

QFont makeCaptionFont()
{
    QFont font = face(tahomaFamily, tahomaFile);
    fitCellHeight(font, PreviewFonts::captionCellHeight);
    return font;
}

} // namespace

QFont PreviewFonts::text()
{
    static const QFont font = makeTextFont();
    return font;
}

QFont PreviewFonts::caption()
{
    static const QFont font = makeCaptionFont();
    return font;
}
