#include "staged_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>
#include <utility>

namespace veltra {

namespace {

std::string Reason(int code) {
    return std::error_code(code, std::generic_category()).message();
}

// ".veltra-" and 12 random letters and digits: unguessable, so no one can
// plant something under it in advance, and short.
std::string FreshName() {
    static thread_local std::random_device random;
    static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<int> pick(0, sizeof kAlphabet - 2);
    std::string name = ".veltra-";
    for (int i = 0; i < 12; ++i) name += kAlphabet[pick(random)];
    return name + ".part";
}

bool Exists(const std::filesystem::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 || errno != ENOENT;
}

// Moves from to the free name to without ever replacing what holds it.
bool MoveToFreeName(const std::filesystem::path& from, const std::filesystem::path& to,
                    std::string& error) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) {
        error = errno == EEXIST ? "the file exists already" : Reason(errno);
        return false;
    }
    // File systems without RENAME_NOREPLACE: a hard link fails as well when
    // the name is taken, by anything, link or not.
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return true;
    }
    if (errno == EEXIST) {
        error = "the file exists already";
        return false;
    }
    // Nor hard links (FAT): the small window between the check and the
    // rename is accepted there.
    if (Exists(to)) {
        error = "the file exists already";
        return false;
    }
    if (std::rename(from.c_str(), to.c_str()) == 0) return true;
    error = Reason(errno);
    return false;
}

}  // namespace

StagedFile::StagedFile(int descriptor, std::filesystem::path path, std::filesystem::path target)
    : descriptor_(descriptor), path_(std::move(path)), target_(std::move(target)) {}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)),
      path_(std::move(other.path_)),
      target_(std::move(other.target_)),
      committed_(std::exchange(other.committed_, true)) {}

StagedFile::~StagedFile() {
    if (descriptor_ >= 0) ::close(descriptor_);
    if (!committed_) ::unlink(path_.c_str());
}

std::optional<StagedFile> StagedFile::Create(const std::filesystem::path& target,
                                             std::string& error) {
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path path = folder / FreshName();
        // O_EXCL refuses any existing name, a link (even a dangling one)
        // included; O_NOFOLLOW says so once more.
        const int descriptor =
            ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (descriptor >= 0) return StagedFile(descriptor, std::move(path), target);
        if (errno != EEXIST) {
            error = Reason(errno);
            return std::nullopt;
        }
    }
    error = "no free temporary name in the folder";
    return std::nullopt;
}

bool StagedFile::Write(std::string_view bytes, std::string& error) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            error = written < 0 ? Reason(errno) : "nothing could be written";
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool StagedFile::Commit(Publish how, std::string& error) {
    struct stat mine {
    }, named{};
    if (::fstat(descriptor_, &mine) != 0 || ::lstat(path_.c_str(), &named) != 0 ||
        !S_ISREG(named.st_mode) || named.st_dev != mine.st_dev || named.st_ino != mine.st_ino) {
        error = "the temporary file was replaced while it was written";
        return false;
    }
    if (::fsync(descriptor_) != 0) {
        error = Reason(errno);
        return false;
    }
    const int closed = ::close(std::exchange(descriptor_, -1));
    if (closed != 0) {
        error = Reason(errno);
        return false;
    }
    if (how == Publish::Replace) {
        // rename replaces the name itself: a link there is replaced, not followed.
        committed_ = std::rename(path_.c_str(), target_.c_str()) == 0;
        if (!committed_) error = Reason(errno);
    } else {
        committed_ = MoveToFreeName(path_, target_, error);
    }
    return committed_;
}

bool WriteWholeFile(const std::filesystem::path& target, std::string_view contents, Publish how,
                    std::string& error) {
    std::optional<StagedFile> file = StagedFile::Create(target, error);
    return file && file->Write(contents, error) && file->Commit(how, error);
}

}  // namespace veltra
