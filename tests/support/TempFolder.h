#pragma once

// Temporary folders and whole-file reads and writes for the tests.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace testing_support {

// A fresh folder under the system's temporary folder (or under parent),
// removed with its content.
class TempFolder {
public:
    explicit TempFolder(const std::filesystem::path& parent = std::filesystem::temp_directory_path())
    {
        std::string pattern = (parent / "velaskin-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            folder = pattern;
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string path(const std::string& name) const { return (folder / name).string(); }
    const std::filesystem::path& root() const { return folder; }

    // Names of the files in the folder, sorted; the lock files that saves
    // keep beside skins (".NAME.ski.lock") are left out.
    std::vector<std::string> names() const
    {
        std::vector<std::string> result;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            const std::string name = entry.path().filename().string();
            if (!(name.starts_with('.') && name.ends_with(".lock")))
                result.push_back(name);
        }
        std::sort(result.begin(), result.end());
        return result;
    }

private:
    std::filesystem::path folder;
};

inline void writeFile(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), std::streamsize(content.size()));
}

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::vector<std::uint8_t> readFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace testing_support

namespace testing_support {

// Memory-backed storage where there is some (flushing to the disk costs
// nothing there), else the system's temporary folder.
inline std::filesystem::path memoryFolder()
{
    std::error_code error;
    return std::filesystem::is_directory("/dev/shm", error) && ::access("/dev/shm", W_OK) == 0
        ? std::filesystem::path("/dev/shm")
        : std::filesystem::temp_directory_path();
}

} // namespace testing_support
