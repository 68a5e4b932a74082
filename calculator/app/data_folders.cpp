#include "data_folders.h"

#include <system_error>

namespace veltra {

std::vector<std::filesystem::path> DataFolders(const std::filesystem::path& programFolder) {
    const std::filesystem::path installed =
        (programFolder / ".." / "share" / "veltra").lexically_normal();
    if (installed == programFolder.lexically_normal()) return {programFolder};
    return {programFolder, installed};
}

std::optional<std::filesystem::path> FindDataFile(const std::vector<std::filesystem::path>& folders,
                                                  const std::string& name) {
    for (const std::filesystem::path& folder : folders) {
        std::error_code error;
        if (std::filesystem::is_regular_file(folder / name, error)) return folder / name;
    }
    return std::nullopt;
}

std::string MissingPriceListMessage(const std::vector<std::filesystem::path>& folders) {
    std::string text = "Прайс-лист \"price.txt\" не найден ";
    text += folders.size() == 1 ? "в папке программы:" : "ни в папке программы, ни в папке данных:";
    for (const std::filesystem::path& folder : folders) text += "\n" + folder.string();
    return text;
}

}  // namespace veltra
