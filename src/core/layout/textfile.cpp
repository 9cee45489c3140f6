// Reading and atomically replacing text files with the standard library only.
#include "core/layout/textfile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

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

WriteResult replaceFileContents(const std::filesystem::path &path, std::string_view text)
{
    WriteResult out;
    const std::string name = pathText(path);
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        out.message = "The file " + name + " could not be saved: it is a folder.";
        return out;
    }
    std::random_device seed;
    std::mt19937 random(seed());
    std::filesystem::path temporary;
    std::FILE *file = nullptr;
    int openError = 0;
    for (int attempt = 0; attempt < 20 && !file; ++attempt) {
        temporary = path;
        temporary += ".tmp" + std::to_string(random() % 1000000u);
        // "x": never reuse an existing file as the temporary.
        file = std::fopen(temporary.string().c_str(), "wbx");
        openError = errno;
        if (!file && openError != EEXIST)
            break;
    }
    if (!file) {
        out.message
            = "The file " + name + " could not be saved: " + reasonFromErrno(openError) + ".";
        return out;
    }
    errno = 0;
    const bool written
        = std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
    int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (writeError == 0)
        writeError = errno;
    if (!written || !closed) {
        std::filesystem::remove(temporary, ec);
        out.message = "The file " + name
            + " could not be saved: " + reasonFromErrno(writeError != 0 ? writeError : EIO) + ".";
        return out;
    }
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        out.message = "The file " + name + " could not be saved: " + ec.message() + ".";
        return out;
    }
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
