#include "GeneratorMain.h"

#include <exception>
#include <iostream>

int runGenerator(int argc, char** argv, std::string_view program, std::string_view folderMeaning,
                 const std::function<void(const std::filesystem::path& folder)>& generate)
{
    if (argc != 2) {
        std::cerr << "usage: " << program << " <" << folderMeaning << " folder>\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);
        generate(folder);
    } catch (const std::exception& error) {
        std::cerr << program << ": " << error.what() << "\n";
        return 1;
    }
    return 0;
}
