// Arbitrary bytes as the journal of a cut-short save beside a skin. The load
// that finds it may finish the save, undo it, refuse the skin or leave the
// journal alone, but it must never touch a file outside the skin's folder,
// nor leave anything in it but regular files.
//
// So that journals can name the files as a save would, "@D" in the input
// stands for the device of the skin's folder and "@0" to "@7" for the inodes
// of the files made beside the skin (see Scratch::reset).
#include "document/SkinDocument.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

void writeText(const fs::path& path, const std::string& text)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(text.data(), 1, text.size(), file) != text.size() || std::fclose(file) != 0)
        std::abort();
}

std::string readText(const fs::path& path)
{
    std::string text;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
            text.append(buffer, n);
        std::fclose(file);
    }
    return text;
}

// Every entry of a folder with its content.
std::map<std::string, std::string> contents(const fs::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder))
        files[entry.path().filename().string()] = readText(entry.path());
    return files;
}

// A skin's folder and a folder beside it, in memory-backed storage when there is some.
class Scratch {
public:
    Scratch()
    {
        const fs::path parent = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (parent / "fuzz_journal_XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        root = pattern;
        skinFolder = root / "skin";
        outside = root / "outside";
        fs::create_directory(skinFolder);
        fs::create_directory(outside);
        // Files of the same names as the skin's and their side files, where
        // no journal of the skin may ever reach.
        for (const char* name : {"victim", "k.ski", "k.dat", ".k.dat.tmp-1-1", ".k.ski.commit"})
            writeText(outside / name, "precious");
        before = contents(outside);
    }
    ~Scratch()
    {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }

    // The skin with the temporary and backup files of a save of it (made by
    // process 1, which always runs), in the order "@0" to "@7" name them.
    static constexpr const char* files[] = {"k.ski", "k.dat", "k1.dat", ".k.ski.tmp-1-0",
                                            ".k.dat.tmp-1-1", ".k1.dat.tmp-1-2", ".k.ski.old-1-3", ".k.dat.old-1-4"};

    // Makes the files afresh; the ids of files and folder, for "@D" and "@0" to "@7".
    std::vector<std::string> reset() const
    {
        std::error_code ignored;
        for (const auto& entry : fs::directory_iterator(skinFolder, ignored))
            fs::remove_all(entry.path(), ignored);
        writeText(skinFolder / "k.ski", "SKI1\n5 1 0 2 0\n5 2 0 1 1\n");
        writeText(skinFolder / "k.dat", "ab");
        writeText(skinFolder / "k1.dat", "z");
        writeText(skinFolder / ".k.ski.tmp-1-0", "SKI1\n5 1 0 3 0\n5 2 0 2 1\n");
        writeText(skinFolder / ".k.dat.tmp-1-1", "new");
        writeText(skinFolder / ".k1.dat.tmp-1-2", "yy");
        fs::create_hard_link(skinFolder / "k.ski", skinFolder / ".k.ski.old-1-3", ignored);
        writeText(skinFolder / ".k.dat.old-1-4", "ab");
        struct stat info {};
        ::stat(skinFolder.c_str(), &info);
        std::vector<std::string> ids {std::to_string(info.st_dev)};
        for (const char* name : files) {
            ::lstat((skinFolder / name).c_str(), &info);
            ids.push_back(std::to_string(info.st_ino));
        }
        return ids;
    }

    fs::path root;
    fs::path skinFolder;
    fs::path outside;
    std::map<std::string, std::string> before;
};

const Scratch& scratch()
{
    static const Scratch folders;
    return folders;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Scratch& folders = scratch();
    const std::vector<std::string> ids = folders.reset();
    std::string journal;
    for (std::size_t i = 0; i < size; ++i) {
        const char c = char(data[i]);
        const char next = i + 1 < size ? char(data[i + 1]) : '\0';
        if (c == '@' && (next == 'D' || (next >= '0' && next <= '7'))) {
            journal += ids[next == 'D' ? 0 : std::size_t(next - '0') + 1];
            ++i;
        } else {
            journal += c;
        }
    }
    writeText(folders.skinFolder / ".k.ski.commit", journal);
    // Loaded by a path relative to the scratch folder, so that seeds can name
    // the skin's files as a save would ("skin/k.dat").
    const fs::path working = fs::current_path();
    fs::current_path(folders.root);
    SkinDocument document;
    (void)document.load("skin/k.ski", nullptr, std::chrono::milliseconds(0));
    fs::current_path(working);
    if (contents(folders.outside) != folders.before)
        std::abort(); // a file outside the skin's folder was touched
    for (const auto& entry : fs::directory_iterator(folders.skinFolder)) {
        struct stat info {};
        if (::lstat(entry.path().c_str(), &info) != 0 || !S_ISREG(info.st_mode))
            std::abort(); // only regular files are ever moved into place
    }
    return 0;
}
