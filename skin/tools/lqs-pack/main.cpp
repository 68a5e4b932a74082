// lqs-pack: builds an ".lqs" skin from a text description, or lists one.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "tools/lqs-pack/description.h"
#include "tools/lqs-pack/output_file.h"

namespace {

int Usage() {
    std::cerr << "usage: lqs-pack DESCRIPTION OUTPUT.lqs\n"
                 "       lqs-pack --list FILE.lqs\n";
    return 2;
}

std::string FolderOf(const std::string& path) {
    auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

int List(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    try {
        bytes = lumiq::LoadFile(path);
    } catch (const std::exception& e) {
        std::cerr << "lqs-pack: " << e.what() << "\n";
        return 1;
    }
    return lumiq::ListSkin(bytes, std::cout) ? 0 : 1;
}

int Pack(const std::string& descriptionPath, const std::string& outputPath) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(descriptionPath, ec)) {
        std::cerr << "lqs-pack: \"" << descriptionPath << "\" is not a file\n";
        return 1;
    }
    if (std::filesystem::is_directory(outputPath, ec)) {
        std::cerr << "lqs-pack: \"" << outputPath << "\" is a folder, not a skin file\n";
        return 1;
    }
    std::ifstream in(descriptionPath);
    if (!in) {
        std::cerr << "lqs-pack: cannot open \"" << descriptionPath << "\"\n";
        return 1;
    }
    // Every file read, to refuse writing the skin over one of them.
    std::vector<std::string> inputs{descriptionPath};
    const lumiq::FileLoader load = [&inputs](const std::string& path) {
        inputs.push_back(path);
        return lumiq::LoadFile(path);
    };
    std::vector<std::uint8_t> bytes;
    try {
        bytes = lumiq::WriteSkin(lumiq::ParseDescription(in, FolderOf(descriptionPath), load));
    } catch (const std::exception& e) {
        std::cerr << descriptionPath << ": " << e.what() << "\n";
        return 1;
    }
    for (const std::string& input : inputs) {
        if (lumiq::SameFile(input, outputPath)) {
            std::cerr << "lqs-pack: the output \"" << outputPath << "\" is the input \"" << input
                      << "\"\n";
            return 1;
        }
    }
    if (const std::string why = lumiq::WriteWholeFile(outputPath, bytes); !why.empty()) {
        std::cerr << "lqs-pack: cannot write \"" << outputPath << "\": " << why << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--list") return List(argv[2]);
    if (argc == 3 && argv[1][0] != '-') return Pack(argv[1], argv[2]);
    return Usage();
}
