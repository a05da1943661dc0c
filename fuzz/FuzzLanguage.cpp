// Loads arbitrary bytes as a language file and looks texts up in it.
#include "document/LanguageTable.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

// One scratch file for the whole run, in memory-backed storage.
class ScratchFile {
public:
    ScratchFile()
    {
        char name[] = "/dev/shm/fuzz_language_XXXXXX";
        const int fd = mkstemp(name);
        if (fd < 0) {
            std::perror("mkstemp");
            std::abort();
        }
        close(fd);
        path = name;
    }
    ~ScratchFile() { std::remove(path.c_str()); }

    void write(const std::uint8_t* data, std::size_t size) const
    {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f)
            std::abort();
        if (size > 0 && std::fwrite(data, 1, size, f) != size)
            std::abort();
        std::fclose(f);
    }

    std::string path;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchFile scratch;
    scratch.write(data, size);

    LanguageTable table;
    if (table.load(scratch.path)) {
        if (table.fileName() != scratch.path || table.count() < 0)
            std::abort();
        // Numbers the program asks for, plus edge values.
        for (int number : {0, 1, 10, 12, 100, 1000, 3000, 10073, -1, 2147483647}) {
            const std::string text = table.text(number);
            // A found text is a piece of the input.
            if (text != "NULL" && text.size() > size)
                std::abort();
        }
    } else if (table.count() != 0 || !table.fileName().empty()) {
        std::abort();
    }
    table.clear();
    if (table.text(1) != "NULL")
        std::abort();
    return 0;
}
