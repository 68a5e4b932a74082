#pragma once
// Every file the calculator writes goes through here. A file is written
// under a fresh name of its own in the folder of its final name, created
// exclusively and without following links, and takes the final name only
// when it is complete: a failed write leaves no partial file, and nothing
// that already lies in the folder (a file, a link planted under a name the
// program could be expected to use) is written through or replaced on the
// way. The name the file is written under is short and unrelated to the
// final one, so any final name the file system takes can be written.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace veltra {

// How a complete file takes its final name.
enum class Publish {
    // The name the user chose: a file there is replaced and keeps its
    // permissions (and owner where that can be kept); where the name is a
    // link, the file it leads to is replaced in its own folder, so the link
    // stays. A read-only file, a folder or a device there is refused.
    Replace,
    // The name must be free: a file or link holding it, even one that
    // appeared while the file was written, is left as it is.
    KeepExisting,
};

class StagedFile {
  public:
    // A new empty file in the folder of the file that will take target's
    // name (see Publish); empty, with the reason, when it cannot be made.
    static std::optional<StagedFile> Create(const std::filesystem::path& target, Publish how,
                                            std::string& error);

    StagedFile(StagedFile&& other) noexcept;
    StagedFile& operator=(StagedFile&&) = delete;
    // Removes the file unless it was committed.
    ~StagedFile();

    // Where the file is written, for a writer that takes a path: it must open
    // this path without O_EXCL (it exists, empty), as fopen(path, "wb") does.
    const std::filesystem::path& path() const { return path_; }
    // The name it takes: the chosen one, or the file a link there leads to.
    const std::filesystem::path& target() const { return target_; }

    // Appends bytes through the file's own descriptor.
    bool Write(std::string_view bytes, std::string& error);

    // Flushes the file to disk and gives it the target's name; false with the
    // reason, the file removed, when it cannot. The file is first checked to
    // be the one Create made (a writer by path may have been handed something
    // else only if the folder let others replace it).
    bool Commit(std::string& error);

  private:
    StagedFile(int descriptor, std::filesystem::path path, std::filesystem::path target,
               Publish how);

    int descriptor_ = -1;
    std::filesystem::path path_, target_;
    Publish how_;
    bool committed_ = false;
};

// The whole file in one call: contents as the file target.
bool WriteWholeFile(const std::filesystem::path& target, std::string_view contents, Publish how,
                    std::string& error);

// Why a file could not be written, in a few words for the user (errno value).
std::string FileErrorReason(int code);

}  // namespace veltra
