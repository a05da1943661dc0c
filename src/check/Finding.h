#pragma once

#include <QString>
#include <QStringList>

#include <string_view>

// What the skin check reports: one thing wrong with one line of a skin file.

// The kinds of finding, each with the fixed name scripts see ("duplicate").
enum class FindingCode : int {
    Malformed,
    UnknownType,
    Duplicate,
    ListShort,
    PictureRange,
    PictureUndecodable,
    PictureSize,
    PictureUnknown,
    RectOutside,
    ColourRange,
    WallpaperMissing,
    UnusedData,
};

// The sentences that describe findings; each has an English text with
// placeholders %1..%9 and the number of its language text.
enum class FindingText : int {
    UnreadableKey,
    UnreadableValues,
    UnreadableNumber,
    UnreadableFlag,
    UnreadableCount,
    UnreadableItem,
    NotARecord,
    LineTooLong,
    AlreadySet,
    ListRunsPastEnd,
    PictureOutsideData,
    PictureInMissingFile,
    PictureDoesNotDecode,
    PictureOtherSize,
    PictureNotInDefault,
    RectInverted,
    RectOffScreen,
    ColourOutOfRange,
    PaletteItemOutOfRange,
    WallpaperNotFound,
    DataNotCovered,
};

struct Finding {
    int line = 0; // 1-based line of the skin file; 0 for the skin as a whole
    FindingCode code = FindingCode::Malformed;
    FindingText text = FindingText::NotARecord;
    QStringList values; // what fills the text's placeholders

    // "malformed", "unknown-type", ...
    std::string_view codeName() const;
    // The English sentence (what the command-line tool prints).
    QString englishText() const;
    // The sentence with its placeholders filled from textTemplate, the
    // sentence in the user's language.
    QString describe(const QString& textTemplate) const;
    // "LINE: CODE: text" with the English sentence.
    QString englishLine() const;
};

namespace findingtexts {

// The language text number of a sentence, and its English wording.
int languageNumber(FindingText text);
QString english(FindingText text);
// Every sentence, for checks that the shipped language files hold them all.
inline constexpr int count = int(FindingText::DataNotCovered) + 1;

// textTemplate with %1..%9 replaced by values in one pass, so that a value
// holding "%2" stays as it is.
QString fill(const QString& textTemplate, const QStringList& values);

} // namespace findingtexts
