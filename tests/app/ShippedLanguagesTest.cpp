#include "LanguageTable.h"

#include <gtest/gtest.h>

#include <filesystem>
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
    range(10, 15);
    range(100, 105);
    range(200, 206);
    range(300, 300);
    range(901, 917);
    range(1000, 1018);
    range(3000, 3011);
    range(10071, 10073);
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
    }
}

} // namespace
