#include "check/Finding.h"
#include "document/LanguageTable.h"
#include "document/LanguageTexts.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <set>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Every number the editor's windows ask for.
std::vector<int> usedNumbers()
{
    std::vector<int> numbers;
    const auto range = [&numbers](int first, int last) {
        for (int n = first; n <= last; ++n)
            numbers.push_back(n);
    };
    range(0, 0);
    range(10, 15);
    range(100, 108);
    range(200, 206);
    range(300, 300);
    range(400, 426);
    range(430, 431);
    range(901, 917);
    range(1000, 1018);
    range(3000, 3013);
    range(10071, 10073);
    // Every number the program names, should one lie outside the ranges above.
    numbers.insert(numbers.end(), langtext::everyNumber.begin(), langtext::everyNumber.end());
    return numbers;
}

std::vector<std::filesystem::path> shippedLanguageFiles()
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(VELASKIN_DATA_DIR "/Lng"))
        if (entry.path().extension() == ".lng")
            files.push_back(entry.path());
    return files;
}

TEST(ShippedLanguages, EnglishAndAnotherLanguageAreShipped)
{
    const auto files = shippedLanguageFiles();
    EXPECT_GE(files.size(), 2u);
    EXPECT_TRUE(std::filesystem::exists(VELASKIN_DATA_DIR "/Lng/English.lng"));
}

TEST(ShippedLanguages, EveryFileIsCompleteAndEndsInALineEnd)
{
    for (const auto& file : shippedLanguageFiles()) {
        SCOPED_TRACE(file.string());
        std::ifstream in(file, std::ios::binary);
        const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(content.rfind("[Lang]\n", 0), 0u);
        ASSERT_FALSE(content.empty());
        EXPECT_EQ(content.back(), '\n');
        EXPECT_EQ(content.find('\r'), std::string::npos);

        LanguageTable table;
        ASSERT_TRUE(table.load(file.string()));
        for (int number : usedNumbers()) {
            const std::string text = table.text(number);
            EXPECT_NE(text, "NULL") << "text " << number;
            EXPECT_FALSE(text.empty()) << "text " << number;
        }
        // The range prompt names the lowest and the highest number allowed.
        EXPECT_NE(table.text(431).find("%1"), std::string::npos);
        EXPECT_NE(table.text(431).find("%2"), std::string::npos);
    }
}

TEST(ShippedLanguages, EnglishHoldsTheCheckSentencesTheToolPrintsAndEveryFileTheirPlaceholders)
{
    LanguageTable english;
    ASSERT_TRUE(english.load(VELASKIN_DATA_DIR "/Lng/English.lng"));
    for (int i = 0; i < findingtexts::count; ++i) {
        const FindingText sentence = FindingText(i);
        EXPECT_EQ(QString::fromStdString(english.text(findingtexts::languageNumber(sentence))),
                  findingtexts::english(sentence));
    }
    // A translation keeps every placeholder of a sentence, so that no value goes missing.
    for (const auto& file : shippedLanguageFiles()) {
        SCOPED_TRACE(file.string());
        LanguageTable table;
        ASSERT_TRUE(table.load(file.string()));
        for (int i = 0; i < findingtexts::count; ++i) {
            const FindingText sentence = FindingText(i);
            const QString translated = QString::fromStdString(table.text(findingtexts::languageNumber(sentence)));
            for (int n = 1; n <= 9; ++n) {
                const QString placeholder = QLatin1Char('%') + QString::number(n);
                EXPECT_EQ(translated.contains(placeholder), findingtexts::english(sentence).contains(placeholder))
                    << "text " << findingtexts::languageNumber(sentence) << " " << placeholder.toStdString();
            }
        }
    }
}

// The letter after the single "&" of a menu text (its UTF-8 bytes), lower-cased; "" without one.
std::string mnemonicOf(const std::string& text)
{
    const auto mark = text.find('&');
    if (mark == std::string::npos || mark + 1 >= text.size() || text.find('&', mark + 1) != std::string::npos)
        return {};
    std::size_t length = 1;
    while (mark + 1 + length < text.size() && (static_cast<unsigned char>(text[mark + 1 + length]) & 0xC0) == 0x80)
        ++length;
    std::string letter = text.substr(mark + 1, length);
    if (letter.size() == 1)
        letter[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(letter[0])));
    return letter;
}

TEST(ShippedLanguages, MenusAreReachableFromTheKeyboardAndTreeTextsStayPlain)
{
    // The menu bar, the File menu and the Options menu: one mark per text, no letter twice.
    const std::vector<std::vector<int>> menus = {
        {100, 200, 206, 300},
        {101, 102, 103, 104, 105, 400},
        {201, 203, 204},
    };
    for (const auto& file : shippedLanguageFiles()) {
        SCOPED_TRACE(file.string());
        LanguageTable table;
        ASSERT_TRUE(table.load(file.string()));
        for (const auto& menu : menus) {
            std::set<std::string> letters;
            for (int number : menu) {
                const std::string letter = mnemonicOf(table.text(number));
                EXPECT_FALSE(letter.empty()) << "text " << number << " has no single mark";
                EXPECT_TRUE(letters.insert(letter).second) << "text " << number << " repeats " << letter;
            }
        }
        // The page compares these texts byte for byte: no marks.
        std::vector<int> plain;
        for (int n = 901; n <= 917; ++n)
            plain.push_back(n);
        for (int n = 1001; n <= 1018; ++n)
            plain.push_back(n);
        for (int n = 10071; n <= 10073; ++n)
            plain.push_back(n);
        for (int number : plain)
            EXPECT_EQ(table.text(number).find('&'), std::string::npos) << "text " << number;
    }
}

} // namespace
