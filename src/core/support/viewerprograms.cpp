// Outside viewer names and the search-path lookup; see viewerprograms.h.
#include "core/support/viewerprograms.h"

#include "core/text/asciicase.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace tarvik {

namespace {

// xdg-open is not listed: the desktop handler the launchers try first is the
// same service, so a second try through it could only fail the same way.
constexpr std::array<std::string_view, 8> kPdfViewers { "evince", "okular", "atril", "xreader",
    "qpdfview", "zathura", "mupdf", "xpdf" };
// Graphical editors only: a terminal pager would need a terminal we cannot
// assume, and would leave the user with no window to close.
constexpr std::array<std::string_view, 9> kTextViewers { "gnome-text-editor", "gedit", "kate",
    "kwrite", "mousepad", "xed", "pluma", "featherpad", "leafpad" };
// x-www-browser is Debian's name for the browser the system administrator
// chose, so it comes before any browser of our choosing.
constexpr std::array<std::string_view, 9> kWebBrowsers { "x-www-browser", "firefox", "firefox-esr",
    "chromium", "google-chrome", "epiphany-browser", "konqueror", "falkon", "qutebrowser" };

bool containsIgnoringCase(std::span<const std::string_view> names, std::string_view name)
{
    return std::any_of(names.begin(), names.end(),
        [name](std::string_view candidate) { return equalIgnoringCase(candidate, name); });
}

} // namespace

std::span<const std::string_view> pdfViewerPrograms()
{
    return kPdfViewers;
}

std::span<const std::string_view> textViewerPrograms()
{
    return kTextViewers;
}

std::span<const std::string_view> webBrowserPrograms()
{
    return kWebBrowsers;
}

bool isKnownViewerProgram(std::string_view name)
{
    return containsIgnoringCase(kPdfViewers, name) || containsIgnoringCase(kTextViewers, name)
        || containsIgnoringCase(kWebBrowsers, name);
}

std::string_view viewerKindName(std::string_view name)
{
    if (containsIgnoringCase(kPdfViewers, name)) {
        return "PDF viewer";
    }
    if (containsIgnoringCase(kTextViewers, name)) {
        return "text viewer";
    }
    return containsIgnoringCase(kWebBrowsers, name) ? "web browser" : "";
}

std::string findExecutableOnPath(std::string_view name, std::string_view searchPath)
{
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string_view::npos
        || name.find('\0') != std::string_view::npos) {
        return {};
    }
    while (true) {
        const auto colon = searchPath.find(':');
        const std::string_view folder = searchPath.substr(0, colon);
        if (!folder.empty() && folder.find('\0') == std::string_view::npos) {
            std::string candidate(folder);
            if (candidate.back() != '/') {
                candidate += '/';
            }
            candidate += name;
            std::error_code error;
            if (std::filesystem::is_regular_file(candidate, error)
                && ::access(candidate.c_str(), X_OK) == 0) {
                return candidate;
            }
        }
        if (colon == std::string_view::npos) {
            return {};
        }
        searchPath.remove_prefix(colon + 1);
    }
}

} // namespace tarvik
