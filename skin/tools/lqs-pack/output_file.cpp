#include "tools/lqs-pack/output_file.h"

#include <algorithm>
#include <filesystem>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#endif

namespace lumiq {

namespace {

#ifdef _WIN32
constexpr const char* kSeparators = "/\\";
#else
constexpr const char* kSeparators = "/";
#endif

// The output's folder and ".lqs-", 12 random letters and digits, ".part".
std::string FreshNameBeside(const std::string& path) {
    static std::random_device random;
    static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<int> pick(0, sizeof kAlphabet - 2);
    const auto slash = path.find_last_of(kSeparators);
    std::string name = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    name += ".lqs-";
    for (int i = 0; i < 12; ++i) name += kAlphabet[pick(random)];
    return name + ".part";
}

#ifdef _WIN32

std::string Reason(DWORD code) {
    return std::error_code(static_cast<int>(code), std::system_category()).message();
}

}  // namespace

std::string WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string temp = FreshNameBeside(path);
        // CREATE_NEW fails on any existing name; with FILE_FLAG_OPEN_REPARSE_POINT
        // a link there counts as that name, not as its target.
        HANDLE file = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
            return Reason(error);
        }
        std::size_t done = 0;
        bool ok = true;
        while (ok && done < bytes.size()) {
            const DWORD chunk =
                static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
            DWORD written = 0;
            ok = WriteFile(file, bytes.data() + done, chunk, &written, nullptr) && written != 0;
            done += written;
        }
        DWORD error = ok ? 0 : GetLastError();
        if (!ok && error == 0) error = ERROR_WRITE_FAULT;
        if (ok && !FlushFileBuffers(file)) error = GetLastError(), ok = false;
        CloseHandle(file);
        if (ok && !MoveFileExA(temp.c_str(), path.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            error = GetLastError();
            ok = false;
        }
        if (ok) return "";
        DeleteFileA(temp.c_str());
        return Reason(error);
    }
    return "no free temporary name in the folder";
}

#else

std::string Reason(int code) {
    return std::error_code(code, std::generic_category()).message();
}

}  // namespace

std::string WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string temp = FreshNameBeside(path);
        const int fd =
            ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            return Reason(errno);
        }
        std::size_t done = 0;
        int error = 0;
        while (error == 0 && done < bytes.size()) {
            const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
            if (written > 0)
                done += static_cast<std::size_t>(written);
            else if (written == 0)
                error = EIO;
            else if (errno != EINTR)
                error = errno;
        }
        if (error == 0 && ::fsync(fd) != 0) error = errno;
        if (::close(fd) != 0 && error == 0) error = errno;
        // rename replaces the name itself: a link there is replaced, not followed.
        if (error == 0 && std::rename(temp.c_str(), path.c_str()) == 0) return "";
        if (error == 0) error = errno;
        ::unlink(temp.c_str());
        return Reason(error);
    }
    return "no free temporary name in the folder";
}

#endif

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

}  // namespace lumiq
