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

namespace fs = std::filesystem;

// As many links as the kernel follows in one path.
constexpr int kMaxLinks = 40;

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

const char* const kNameTaken = "файл с таким именем уже есть";

bool Exists(const fs::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 || errno != ENOENT;
}

// The name a chain of links at path ends in (path itself when it is no
// link), whether or not a file lies there; empty, with the reason, for a
// loop or a link that cannot be read.
std::optional<fs::path> FinalName(fs::path path, std::string& error) {
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
        std::error_code failed;
        const fs::path next = fs::read_symlink(path, failed);
        if (failed) {
            error = FileErrorReason(failed.value());
            return std::nullopt;
        }
        // Relative to the link's own folder, as the kernel reads it.
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    error = FileErrorReason(ELOOP);
    return std::nullopt;
}

// Whether the file at `name` may be replaced; `existing` is filled when one
// lies there.
bool MayReplace(const fs::path& name, std::optional<struct stat>& existing, std::string& error) {
    struct stat status {};
    if (::stat(name.c_str(), &status) != 0) return true;  // free, or Create says why not
    if (S_ISDIR(status.st_mode)) {
        error = "это папка";
    } else if (!S_ISREG(status.st_mode)) {
        error = "это не обычный файл";
    } else if ((status.st_mode & 0222) == 0) {
        // Checked on the bits too: the superuser may write anything.
        error = "файл только для чтения";
    } else if (::faccessat(AT_FDCWD, name.c_str(), W_OK, AT_EACCESS) != 0) {
        error = "нет прав на запись в файл";
    } else {
        existing = status;
        return true;
    }
    return false;
}

// Moves from to the free name to without ever replacing what holds it.
bool MoveToFreeName(const std::filesystem::path& from, const std::filesystem::path& to,
                    std::string& error) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) {
        error = errno == EEXIST ? kNameTaken : FileErrorReason(errno);
        return false;
    }
    // File systems without RENAME_NOREPLACE: a hard link fails as well when
    // the name is taken, by anything, link or not.
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return true;
    }
    if (errno == EEXIST) {
        error = kNameTaken;
        return false;
    }
    // Nor hard links (FAT): the small window between the check and the
    // rename is accepted there.
    if (Exists(to)) {
        error = kNameTaken;
        return false;
    }
    if (std::rename(from.c_str(), to.c_str()) == 0) return true;
    error = FileErrorReason(errno);
    return false;
}

}  // namespace

StagedFile::StagedFile(int descriptor, std::filesystem::path path, std::filesystem::path target,
                       Publish how)
    : descriptor_(descriptor), path_(std::move(path)), target_(std::move(target)), how_(how) {}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)),
      path_(std::move(other.path_)),
      target_(std::move(other.target_)),
      how_(other.how_),
      committed_(std::exchange(other.committed_, true)) {}

StagedFile::~StagedFile() {
    if (descriptor_ >= 0) ::close(descriptor_);
    if (!committed_) ::unlink(path_.c_str());
}

std::optional<StagedFile> StagedFile::Create(const std::filesystem::path& target, Publish how,
                                             std::string& error) {
    std::filesystem::path name = target;
    std::optional<struct stat> existing;
    if (how == Publish::Replace) {
        const auto final = FinalName(target, error);
        if (!final || !MayReplace(*final, existing, error)) return std::nullopt;
        name = *final;
    }
    const std::filesystem::path folder =
        name.has_parent_path() ? name.parent_path() : std::filesystem::path(".");
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path path = folder / FreshName();
        // O_EXCL refuses any existing name, a link (even a dangling one)
        // included; O_NOFOLLOW says so once more. A file that replaces
        // another starts private and then takes that one's bits.
        const int descriptor =
            ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                   existing ? 0600 : 0666);
        if (descriptor >= 0) {
            if (existing) {
                // Best effort: only the superuser may give a file away, and
                // a group only to one the user belongs to.
                if (existing->st_uid != ::geteuid() || existing->st_gid != ::getegid()) {
                    if (::fchown(descriptor, existing->st_uid, existing->st_gid) != 0)
                        (void)::fchown(descriptor, static_cast<uid_t>(-1), existing->st_gid);
                }
                (void)::fchmod(descriptor, existing->st_mode & 0777);
            }
            return StagedFile(descriptor, std::move(path), std::move(name), how);
        }
        if (errno != EEXIST) {
            error = errno == ENOENT                     ? "папка не найдена"
                    : errno == EACCES || errno == EPERM ? "нет прав на запись в папку"
                                                        : FileErrorReason(errno);
            return std::nullopt;
        }
    }
    error = "в папке не нашлось свободного временного имени";
    return std::nullopt;
}

bool StagedFile::Write(std::string_view bytes, std::string& error) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            error = written < 0 ? FileErrorReason(errno) : FileErrorReason(ENOSPC);
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool StagedFile::Commit(std::string& error) {
    struct stat mine {
    }, named{};
    if (::fstat(descriptor_, &mine) != 0 || ::lstat(path_.c_str(), &named) != 0 ||
        !S_ISREG(named.st_mode) || named.st_dev != mine.st_dev || named.st_ino != mine.st_ino) {
        error = "временный файл подменили во время записи";
        return false;
    }
    if (::fsync(descriptor_) != 0) {
        error = FileErrorReason(errno);
        return false;
    }
    const int closed = ::close(std::exchange(descriptor_, -1));
    if (closed != 0) {
        error = FileErrorReason(errno);
        return false;
    }
    if (how_ == Publish::Replace) {
        // rename replaces the name itself, which is no link: Create followed
        // any link there to the file it leads to.
        committed_ = std::rename(path_.c_str(), target_.c_str()) == 0;
        if (!committed_) error = FileErrorReason(errno);
    } else {
        committed_ = MoveToFreeName(path_, target_, error);
    }
    return committed_;
}

bool WriteWholeFile(const std::filesystem::path& target, std::string_view contents, Publish how,
                    std::string& error) {
    std::optional<StagedFile> file = StagedFile::Create(target, how, error);
    return file && file->Write(contents, error) && file->Commit(error);
}

std::string FileErrorReason(int code) {
    switch (code) {
        case EACCES:
        case EPERM:
            return "нет прав на запись";
        case ENOSPC:
            return "на диске нет места";
        case EDQUOT:
            return "превышена дисковая квота";
        case EFBIG:
            return "файл превысил разрешенный системой размер";
        case EROFS:
            return "диск доступен только для чтения";
        case ENOENT:
            return "папка или файл не найдены";
        case ENOTDIR:
            return "часть пути — не папка";
        case EISDIR:
            return "это папка";
        case ENAMETOOLONG:
            return "слишком длинное имя";
        case ELOOP:
            return "символические ссылки замкнуты в петлю";
        case EBUSY:
        case ETXTBSY:
            return "файл занят";
        case EIO:
            return "ошибка ввода-вывода";
        case ENOMEM:
            return "не хватает памяти";
        case EMFILE:
        case ENFILE:
            return "открыто слишком много файлов";
        default:
            return "ошибка системы: " + std::error_code(code, std::generic_category()).message();
    }
}

}  // namespace veltra
