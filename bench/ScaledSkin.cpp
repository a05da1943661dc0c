#include "ScaledSkin.h"

#include "TempFolder.h"

#include <fstream>
#include <map>
#include <memory>
#include <tuple>

namespace scaledskin {

namespace fs = std::filesystem;

const std::vector<ElementId> rectIds = {6, 562, 563, 564, 565, 566, 567, 568, 569, 570, 571, 574, 651,
                                        654, 655, 658, 659, 660, 663, 666, 667, 670, 673, 676, 678, 681};
const std::vector<ElementId> numberIds = {8, 11, 576, 584, 592, 642, 649, 650, 653, 656, 657,
                                          661, 662, 665, 668, 669, 671, 672, 677, 679, 680};
const std::vector<ElementId> flagIds = {575, 578, 583, 586, 591, 594, 636, 638, 643, 645};
const std::vector<ElementId> colourIds = {9, 12, 579, 580, 581, 587, 588, 589, 595, 596, 597,
                                          639, 640, 641, 646, 647, 648};
const std::vector<ElementId> pictureIds = {7, 630, 631, 632, 633, 634, 635, 652, 664, 674, 675};

namespace {

// A white 1 x 1 GIF picture.
const std::string tinyGif("GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff"
                          ",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;",
                          35);
constexpr std::int64_t bigPictureBytes = 1 << 20;
// Ids of the filler records and of the big pictures: above every id the idle screen reads.
constexpr ElementId firstFillerId = 100000;

void writeText(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary).write(text.data(), std::streamsize(text.size()));
}

} // namespace

std::string palette()
{
    std::string text = "0 41 98\n";
    for (int k = 1; k <= 98; ++k)
        text += "4 " + std::to_string(255 - k) + " " + std::to_string(k) + " " + std::to_string(k * 2) + " 0\n";
    return text;
}

std::string write(const fs::path& folder, const std::string& name, const Shape& shape)
{
    std::string text = "SKI1\n" + palette();
    text.reserve(std::size_t(shape.records) * 20 + 4096);
    static const char* const fillers[] = {"1 %d 0 0 175 20\n", "2 %d 3\n", "3 %d true\n", "4 %d 10 20 30 0\n"};
    char line[64];
    for (int i = 0; i < shape.records; ++i) {
        std::snprintf(line, sizeof line, fillers[i % 4], firstFillerId + i / 4);
        text += line;
    }
    std::string data;
    auto picture = [&](ElementId id, std::int64_t size) {
        text += "5 " + std::to_string(id) + " " + std::to_string(data.size()) + " " + std::to_string(size) + " 0\n";
        data += tinyGif;
        data.append(std::size_t(size) - tinyGif.size(), '\0');
    };
    for (std::int64_t done = 0, id = firstFillerId; done < shape.pictureBytes; done += bigPictureBytes, ++id)
        picture(ElementId(id), bigPictureBytes);
    for (ElementId id : rectIds)
        text += "1 " + std::to_string(id) + " 4 30 171 45\n";
    for (ElementId id : numberIds)
        text += "2 " + std::to_string(id) + " 1\n";
    for (ElementId id : flagIds)
        text += "3 " + std::to_string(id) + " true\n";
    for (ElementId id : colourIds)
        text += "4 " + std::to_string(id) + " 255 255 255 0\n";
    text += "6 1015 /a/mobile/picture/wall.gif\n";
    for (ElementId id : pictureIds)
        picture(id, std::int64_t(tinyGif.size()));
    const fs::path skin = folder / (name + ".ski");
    writeText(skin, text);
    writeText(folder / (name + ".dat"), data);
    writeText(folder / "wall.gif", tinyGif);
    return skin.string();
}

const std::string& skinOf(const Shape& shape)
{
    // Removed when the process ends: the function's statics are destroyed then.
    static testing_support::TempFolder folder;
    static std::map<std::tuple<int, std::int64_t>, std::string> written;
    const auto key = std::make_tuple(shape.records, shape.pictureBytes);
    auto found = written.find(key);
    if (found == written.end()) {
        const std::string name = "Scaled" + std::to_string(shape.records) + "r" + std::to_string(shape.pictureBytes);
        fs::create_directories(folder.root() / name);
        found = written.emplace(key, write(folder.root() / name, name, shape)).first;
    }
    return found->second;
}

} // namespace scaledskin
