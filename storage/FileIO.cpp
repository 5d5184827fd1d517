#include "storage/FileIO.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t WriteChunk = 64 * 1024;
const char* const TooLarge = "The file is too large";

TWriteFaultHook& FaultHook() {
    static TWriteFaultHook hook;
    return hook;
}

int InjectedFault(TWriteStep step, int index) {
    return FaultHook() ? FaultHook()(step, index) : 0;
}

std::string DirectoryOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A save through a symbolic link replaces the file the link points to, not the link.
std::string FinalTarget(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved) == nullptr)
        return path;
    return resolved;
}

int CreateTemporary(const std::string& target, std::string& tempPath) {
    static std::mt19937 generator{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = target + ".~" + std::to_string(getpid()) + "-" + std::to_string(generator() % 1000000);
        const int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteAll(int fd, std::string_view content, int& error) {
    int index = 0;
    size_t done = 0;
    do {
        error = InjectedFault(TWriteStep::Write, index++);
        if (error != 0)
            return false;
        const size_t chunk = std::min(WriteChunk, content.size() - done);
        const ssize_t written = write(fd, content.data() + done, chunk);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            return false;
        }
        done += static_cast<size_t>(written);
    } while (done < content.size());
    return true;
}

} // namespace

std::string SystemReason(int error) {
    return std::strerror(error);
}

void SetWriteFaultHook(TWriteFaultHook hook) {
    FaultHook() = std::move(hook);
}

TReadResult ReadWholeFile(const std::string& path, std::string& content, std::string& reason,
                          size_t maxBytes) {
    content.clear();
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        reason = SystemReason(errno);
        return errno == ENOENT ? TReadResult::Missing : TReadResult::Failed;
    }
    struct stat info {};
    if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        reason = SystemReason(S_ISDIR(info.st_mode) ? EISDIR : errno);
        close(fd);
        return TReadResult::Failed;
    }
    // A file known to be too large is refused before a byte of it is read; one that grows while it is
    // read is stopped by the same bound below.
    if (S_ISREG(info.st_mode) && static_cast<unsigned long long>(info.st_size) > maxBytes) {
        reason = TooLarge;
        close(fd);
        return TReadResult::Failed;
    }
    char buffer[WriteChunk];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            reason = SystemReason(errno);
            close(fd);
            return TReadResult::Failed;
        }
        if (got == 0)
            break;
        if (content.size() + static_cast<size_t>(got) > maxBytes) {
            reason = TooLarge;
            content.clear();
            close(fd);
            return TReadResult::Failed;
        }
        content.append(buffer, static_cast<size_t>(got));
    }
    close(fd);
    return TReadResult::Ok;
}

bool WriteFileAtomically(const std::string& path, std::string_view content, std::string& reason) {
    const std::string target = FinalTarget(path);
    std::string tempPath;
    int error = InjectedFault(TWriteStep::CreateTemporary, 0);
    const int fd = error != 0 ? -1 : CreateTemporary(target, tempPath);
    if (fd < 0) {
        reason = SystemReason(error != 0 ? error : errno);
        return false;
    }
    struct stat old {};
    if (stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        fchmod(fd, old.st_mode & 07777);

    bool ok = WriteAll(fd, content, error);
    if (ok) {
        error = InjectedFault(TWriteStep::Flush, 0);
        ok = error == 0 && fsync(fd) == 0;
        if (!ok && error == 0)
            error = errno;
    }
    if (close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok) {
        error = InjectedFault(TWriteStep::Rename, 0);
        ok = error == 0 && rename(tempPath.c_str(), target.c_str()) == 0;
        if (!ok && error == 0)
            error = errno;
    }
    if (!ok) {
        unlink(tempPath.c_str());
        reason = SystemReason(error);
        return false;
    }
    const int dir = open(DirectoryOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

bool CreateFileAtomically(const std::string& path, std::string_view content, std::string& message) {
    std::string reason;
    if (WriteFileAtomically(path, content, reason))
        return true;
    message = "Cannot create file \"" + path + "\". " + reason;
    return false;
}

std::string CannotOpenFileMessage(const std::string& path, const std::string& reason) {
    return "Cannot open file \"" + path + "\". " + reason;
}

void ForEachLine(std::string_view text, const std::function<void(std::string_view line)>& visit) {
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            visit(text.substr(start));
            break;
        }
        visit(text.substr(start, end - start));
        start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    ForEachLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}
