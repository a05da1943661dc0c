#include "check/Finding.h"

#include "document/LanguageTexts.h"

#include <array>

namespace {

struct TextEntry {
    FindingText text;
    int number;
    const char* english;
};

// The English wording of every sentence and its language text number. The
// shipped English language file holds the same texts under these numbers.
constexpr std::array<TextEntry, findingtexts::count> textTable = {{
    {FindingText::UnreadableKey, langtext::check::unreadableKey,
     "The record's element id cannot be read, so no lookup ever finds this record."},
    {FindingText::UnreadableValues, langtext::check::unreadableValues,
     "The values of record \"%1\" cannot be read, so it reads as missing."},
    {FindingText::UnreadableNumber, langtext::check::unreadableNumber,
     "The value of number record \"%1\" is not a number; it reads as 0."},
    {FindingText::UnreadableFlag, langtext::check::unreadableFlag, "Flag record \"%1\" is neither true nor false."},
    {FindingText::UnreadableCount, langtext::check::unreadableCount,
     "The count of list \"%1\" cannot be read or is negative, so the list reads as missing."},
    {FindingText::UnreadableItem, langtext::check::unreadableItem,
     "Item %1 of list %2 cannot be read, so it reads as missing."},
    {FindingText::NotARecord, langtext::check::notARecord,
     "This line is not a record: a record starts with its type 0 to 6 and a space."},
    {FindingText::LineTooLong, langtext::check::lineTooLong,
     "The line is longer than %1 characters; its rest reads as a line of its own."},
    {FindingText::AlreadySet, langtext::check::alreadySet,
     "Record \"%1\" is already set on line %2; this line is never read."},
    {FindingText::ListRunsPastEnd, langtext::check::listRunsPastEnd,
     "List \"%1\" counts %2 items, but the skin ends %3 line(s) after it."},
    {FindingText::PictureOutsideData, langtext::check::pictureOutsideData,
     "Picture %1 lies outside its data: %2 bytes from offset %3 of data file %4, which holds %5 bytes."},
    {FindingText::PictureInMissingFile, langtext::check::pictureInMissingFile,
     "Picture %1 names data file %2, which the skin does not have."},
    {FindingText::PictureDoesNotDecode, langtext::check::pictureDoesNotDecode,
     "Picture %1 does not decode as a picture."},
    {FindingText::PictureOtherSize, langtext::check::pictureOtherSize,
     "Picture %1 is %2 x %3 pixels; the default skin's picture is %4 x %5."},
    {FindingText::PictureNotInDefault, langtext::check::pictureNotInDefault, "The default skin has no picture %1."},
    {FindingText::RectInverted, langtext::check::rectInverted,
     "Rectangle %1 (%2 %3 %4 %5) is inverted: it holds no pixel."},
    {FindingText::RectOffScreen, langtext::check::rectOffScreen,
     "Rectangle %1 (%2 %3 %4 %5) reaches outside the %6 x %7 screen."},
    {FindingText::ColourOutOfRange, langtext::check::colourOutOfRange,
     "Colour %1 (%2 %3 %4 %5) has a value outside 0..255."},
    {FindingText::PaletteItemOutOfRange, langtext::check::paletteItemOutOfRange,
     "Palette item %1 (%2 %3 %4 %5) has a value outside 0..255."},
    {FindingText::WallpaperNotFound, langtext::check::wallpaperNotFound,
     "The wallpaper file %1 is found neither beside the skin nor in the working folder."},
    {FindingText::DataNotCovered, langtext::check::dataNotCovered,
     "%1 bytes of data file %2 (%3) belong to no picture."},
}};

constexpr bool tableFollowsTheEnum()
{
    for (std::size_t i = 0; i < textTable.size(); ++i)
        if (int(textTable[i].text) != int(i))
            return false;
    return true;
}
static_assert(tableFollowsTheEnum(), "one entry per sentence, in enum order");

constexpr std::array<std::string_view, int(FindingCode::UnusedData) + 1> codeNames = {
    "malformed",     "unknown-type", "duplicate",      "list-short",  "picture-range",     "picture-undecodable",
    "picture-size",  "picture-unknown", "rect-outside", "colour-range", "wallpaper-missing", "unused-data",
};

const TextEntry& entry(FindingText text)
{
    return textTable[std::size_t(text)];
}

} // namespace

std::string_view Finding::codeName() const
{
    return codeNames[std::size_t(code)];
}

QString Finding::englishText() const
{
    return describe(findingtexts::english(text));
}

QString Finding::describe(const QString& textTemplate) const
{
    return findingtexts::fill(textTemplate, values);
}

QString Finding::englishLine() const
{
    return QString::number(line) + QStringLiteral(": ") + QLatin1StringView(codeName()) + QStringLiteral(": ")
         + englishText();
}

namespace findingtexts {

int languageNumber(FindingText text)
{
    return entry(text).number;
}

QString english(FindingText text)
{
    return QString::fromUtf8(entry(text).english);
}

QString fill(const QString& textTemplate, const QStringList& values)
{
    QString result;
    result.reserve(textTemplate.size() + 16 * values.size());
    for (qsizetype i = 0; i < textTemplate.size(); ++i) {
        const QChar c = textTemplate[i];
        if (c == QLatin1Char('%') && i + 1 < textTemplate.size()) {
            const int digit = textTemplate[i + 1].digitValue();
            if (digit >= 1 && digit <= 9 && digit <= values.size()) {
                result += values[digit - 1];
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}

} // namespace findingtexts
