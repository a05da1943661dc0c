#include "SkinWriter.h"

#include "document/SkinTypes.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace {

void writeBytes(const std::filesystem::path& path, const void* bytes, std::size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace

SkinWriter::SkinWriter() { lines.push_back("SKI1\n"); }

void SkinWriter::claim(int type, int id)
{
    if (!used.insert({type, id}).second)
        throw std::logic_error("record " + std::to_string(type) + " " + std::to_string(id) + " written twice");
}

std::string SkinWriter::boxText(Box box)
{
    if (box.width <= 0 || box.height <= 0)
        throw std::invalid_argument("empty box");
    return std::to_string(box.left) + " " + std::to_string(box.top) + " " + std::to_string(box.left + box.width - 1)
        + " " + std::to_string(box.top + box.height - 1);
}

void SkinWriter::rect(int id, Box box)
{
    claim(1, id);
    lines.push_back("1 " + std::to_string(id) + " " + boxText(box) + "\n");
}

void SkinWriter::number(int id, int value)
{
    claim(2, id);
    lines.push_back("2 " + std::to_string(id) + " " + std::to_string(value) + "\n");
}

void SkinWriter::flag(int id, bool value)
{
    claim(3, id);
    lines.push_back("3 " + std::to_string(id) + " " + (value ? "true" : "false") + "\n");
}

void SkinWriter::colour(int id, Rgb c, int transparency)
{
    claim(4, id);
    lines.push_back("4 " + std::to_string(id) + " " + std::to_string(c.r) + " " + std::to_string(c.g) + " "
                    + std::to_string(c.b) + " " + std::to_string(transparency) + "\n");
}

void SkinWriter::rectList(int id, const std::vector<Box>& items)
{
    claim(0, id);
    lines.push_back("0 " + std::to_string(id) + " " + std::to_string(items.size()) + "\n");
    for (const Box& box : items) {
        lines.push_back("1 " + boxText(box) + "\n");
        listItemKeys.push_back({1, box.left});
    }
}

void SkinWriter::palette(const std::vector<Rgb>& items)
{
    if (items.size() != std::size_t(paletteItemCount))
        throw std::invalid_argument("the palette block holds " + std::to_string(paletteItemCount) + " colours");
    claim(0, paletteListId);
    lines.push_back("0 " + std::to_string(paletteListId) + " " + std::to_string(paletteItemCount) + "\n");
    for (const Rgb& c : items) {
        lines.push_back("4 " + std::to_string(c.r) + " " + std::to_string(c.g) + " " + std::to_string(c.b) + " 0\n");
        listItemKeys.push_back({4, c.r});
    }
}

void SkinWriter::picture(int id, const std::vector<std::uint8_t>& bytes, int file)
{
    if (file < 0 || file > 9 || bytes.empty())
        throw std::invalid_argument("bad picture");
    claim(5, id);
    if (dataFiles.size() <= static_cast<std::size_t>(file))
        dataFiles.resize(static_cast<std::size_t>(file) + 1);
    auto& data = dataFiles[static_cast<std::size_t>(file)];
    const std::string value = std::to_string(data.size()) + " " + std::to_string(bytes.size()) + " " + std::to_string(file);
    data.insert(data.end(), bytes.begin(), bytes.end());
    pictureValues[id] = value;
    lines.push_back("5 " + std::to_string(id) + " " + value + "\n");
    ++pictures;
}

void SkinWriter::sharePicture(int existingId, int newId)
{
    const auto found = pictureValues.find(existingId);
    if (found == pictureValues.end())
        throw std::logic_error("shared picture " + std::to_string(existingId) + " does not exist");
    claim(5, newId);
    pictureValues[newId] = found->second;
    lines.push_back("5 " + std::to_string(newId) + " " + found->second + "\n");
    ++pictures;
}

void SkinWriter::wallpaper(const std::string& fileName, std::vector<std::uint8_t> bytes)
{
    claim(6, wallpaperRecordId);
    wallpaperName = fileName;
    wallpaperBytes = std::move(bytes);
    lines.push_back("6 " + std::to_string(wallpaperRecordId) + " /a/mobile/picture/" + fileName + "\n");
}

void SkinWriter::checkListItems() const
{
    for (const auto& key : listItemKeys)
        if (used.count(key))
            throw std::logic_error("a list item starts like the record " + std::to_string(key.first) + " "
                                   + std::to_string(key.second));
}

void SkinWriter::write(const std::string& folder, const std::string& baseName) const
{
    checkListItems();
    for (std::size_t i = 0; i < dataFiles.size(); ++i)
        if (dataFiles[i].empty())
            throw std::logic_error("data file " + std::to_string(i) + " holds no picture");
    const std::filesystem::path base = std::filesystem::path(folder) / baseName;
    std::string text;
    for (const auto& line : lines)
        text += line;
    writeBytes(base.string() + ".ski", text.data(), text.size());
    for (std::size_t i = 0; i < dataFiles.size(); ++i) {
        const std::string name = base.string() + (i == 0 ? "" : std::to_string(i)) + ".dat";
        writeBytes(name, dataFiles[i].data(), dataFiles[i].size());
    }
    if (!wallpaperName.empty())
        writeBytes(std::filesystem::path(folder) / wallpaperName, wallpaperBytes.data(), wallpaperBytes.size());
}
