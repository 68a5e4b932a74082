#pragma once
// Files for the document tests: a fresh folder, whole files read and
// written, and the shipped price list with one record edited.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace veltra::testing {

namespace fs = std::filesystem;

struct Folder {
    Folder() : path(fs::temp_directory_path() / ("veltra-doc-" + std::to_string(::getpid()))) {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~Folder() { fs::remove_all(path); }
    fs::path path;
};

inline std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A price list (the shipped one unless `from` is given) with the price of
// one code's record replaced, or the record left out when `price` is empty,
// written as FOLDER/price.txt.
inline fs::path EditedPriceList(const fs::path& folder, const std::string& code,
                                const std::string& price,
                                const fs::path& from = VELTRA_PRICE_LIST) {
    std::string text = ReadFile(from);
    const size_t at = text.find("," + code + ",");
    EXPECT_NE(at, std::string::npos) << code;
    const size_t start = text.rfind('\n', at) + 1, end = text.find('\n', at) + 1;
    if (price.empty()) {
        text.erase(start, end - start);
    } else {
        const size_t field = at + code.size() + 2;
        text.replace(field, end - 2 - field, price);
    }
    const fs::path path = folder / "price.txt";
    WriteFile(path, text);
    return path;
}

}  // namespace veltra::testing
