#pragma once

// The text of a small default skin that the editor and velaskin-cli accept.

#include "document/SkinTypes.h"

#include <functional>
#include <string>
#include <vector>

namespace testing_support {

// "R G B T" of palette item k (1 to 98): grey k, opaque.
inline std::string greyPaletteItem(int item)
{
    const std::string k = std::to_string(item);
    return k + " " + k + " " + k + " 0";
}

// The magic line, the palette list (item k is "4 " and paletteItem(k)), the
// records given (each without its line end), then numbered records "2 id id"
// from id 10000 on until the skin has lineCount lines.
inline std::string defaultSkinText(const std::vector<std::string>& records = {},
                                   int lineCount = minimumDefaultSkinLines,
                                   const std::function<std::string(int)>& paletteItem = greyPaletteItem)
{
    std::string text = "SKI1\n0 " + std::to_string(paletteListId) + " " + std::to_string(paletteItemCount) + "\n";
    for (int k = 1; k <= paletteItemCount; ++k)
        text += "4 " + paletteItem(k) + "\n";
    for (const std::string& record : records)
        text += record + "\n";
    int lines = 2 + paletteItemCount + int(records.size());
    for (int id = 10000; lines < lineCount; ++id, ++lines)
        text += "2 " + std::to_string(id) + " " + std::to_string(id) + "\n";
    return text;
}

} // namespace testing_support
