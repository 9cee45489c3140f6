// Reading and atomically replacing text files: the standard library, and the
// POSIX calls that flush a file and its folder to the disk.
#include "core/layout/textfile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tarvik {

namespace {

std::string reasonFromErrno(int error)
{
    return std::generic_category().message(error);
}

std::string pathText(const std::filesystem::path &path)
{
    return path.string();
}

WriteFaultHook g_writeFault = nullptr;

int injected(WriteStep step)
{
    return g_writeFault ? g_writeFault(step) : 0;
}

// Every byte, or the errno value of the failure.
int writeAll(int fd, std::string_view text)
{
    if (const int error = injected(WriteStep::Write))
        return error;
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

int syncFolder(const std::filesystem::path &folder)
{
    const std::string name = folder.empty() ? std::string(".") : pathText(folder);
    const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error;
}

} // namespace

ReadTextResult readTextFile(const std::filesystem::path &path, std::size_t maxBytes)
{
    ReadTextResult out;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        out.message = "The file " + pathText(path) + " could not be read: it is a folder.";
        return out;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        out.message = "The file " + pathText(path)
            + " could not be opened: " + reasonFromErrno(errno) + ".";
        return out;
    }
    std::string text;
    char buffer[65536];
    while (in) {
        in.read(buffer, sizeof buffer);
        const auto got = static_cast<std::size_t>(in.gcount());
        if (text.size() + got > maxBytes) {
            out.message = "The file " + pathText(path) + " is too large to be read.";
            return out;
        }
        text.append(buffer, got);
    }
    if (in.bad()) {
        out.message
            = "The file " + pathText(path) + " could not be read: " + reasonFromErrno(errno) + ".";
        return out;
    }
    out.ok = true;
    out.text = std::move(text);
    return out;
}

void setWriteFaultHook(WriteFaultHook hook)
{
    g_writeFault = hook;
}

WriteResult replaceFileContents(const std::filesystem::path &path, std::string_view text)
{
    WriteResult out;
    const std::string name = pathText(path);
    const auto failed = [&](int error) {
        out.message = "The file " + name + " could not be saved: " + reasonFromErrno(error) + ".";
        return out;
    };
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        out.message = "The file " + name + " could not be saved: it is a folder.";
        return out;
    }
    // Through a symbolic link the file it names is replaced; the link stays.
    std::filesystem::path target = path;
    if (std::filesystem::is_symlink(path, ec) && std::filesystem::exists(path, ec)) {
        target = std::filesystem::canonical(path, ec);
        if (ec)
            return failed(ec.value());
    }
    const std::string targetName = pathText(target);
    struct stat previous
    {
    };
    const bool replacing = ::stat(targetName.c_str(), &previous) == 0;
    if (replacing) {
        // The rename needs only the folder's permission, so the file's own
        // permission is checked here. A file with no write permission for
        // anyone was marked read-only on purpose, even for a user the system
        // would let write it.
        const bool noWriteBits = (previous.st_mode & 0222) == 0;
        if (noWriteBits || (::access(targetName.c_str(), W_OK) != 0 && errno != ENOENT)) {
            out.readOnly = true;
            out.message = "The file " + name + " is read-only, so it was not saved.";
            return out;
        }
    }

    std::random_device seed;
    std::mt19937 random(seed());
    std::string temporary;
    int fd = -1;
    int openError = injected(WriteStep::Create);
    for (int attempt = 0; attempt < 20 && fd < 0 && openError == 0; ++attempt) {
        temporary = targetName + ".tmp" + std::to_string(random() % 1000000u);
        // O_EXCL: never reuse an existing file as the temporary.
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            openError = errno;
    }
    if (fd < 0)
        return failed(openError != 0 ? openError : EEXIST);

    int error = 0;
    if (replacing) {
        // The new file takes the old one's permissions (not the umask's) and,
        // where the system allows it, its owner and group.
        if (previous.st_uid != ::geteuid() || previous.st_gid != ::getegid()) {
            [[maybe_unused]] const int kept = ::fchown(fd, previous.st_uid, previous.st_gid);
        }
        if (::fchmod(fd, previous.st_mode & 07777) != 0)
            error = errno;
    }
    if (error == 0)
        error = writeAll(fd, text);
    if (error == 0) {
        error = injected(WriteStep::Sync);
        if (error == 0 && ::fsync(fd) != 0)
            error = errno;
    }
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0) {
        error = injected(WriteStep::Rename);
        if (error == 0 && ::rename(temporary.c_str(), targetName.c_str()) != 0)
            error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return failed(error);
    }
    // The rename itself is on the disk only once the folder is flushed. A
    // file system that cannot flush a folder says EINVAL; that is no fault.
    if (const int folderError = syncFolder(target.parent_path());
        folderError != 0 && folderError != EINVAL)
        return failed(folderError);
    out.ok = true;
    return out;
}

std::string withCrLf(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            out += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace tarvik
