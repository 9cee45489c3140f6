// The file seek walk and its window texts; see fileseek.h.
#include "core/support/fileseek.h"

#include "core/support/viewerprograms.h"
#include "core/text/asciicase.h"

#include <algorithm>
#include <exception>
#include <functional>
#include <sys/stat.h>
#include <system_error>
#include <utility>

namespace tarvik {

namespace {

// The "*.qmk" pattern of the old search, which ignored case.
bool isQmkName(std::string_view name)
{
    constexpr std::string_view extension = ".qmk";
    return name.size() >= extension.size()
        && equalIgnoringCase(name.substr(name.size() - extension.size()), extension);
}

} // namespace

std::string seekSubject(std::string_view name)
{
    const std::string_view kind = viewerKindName(name);
    return kind.empty() ? std::string(name) : "the " + std::string(kind) + " " + std::string(name);
}

std::string seekWindowTitle(std::string_view name)
{
    return "Search for " + seekSubject(name);
}

std::string seekInstructionText(std::string_view name)
{
    return "Choose the file system to search for " + seekSubject(name)
        + ",\rthen click on the Search button.";
}

std::string seekFoundCaption(std::size_t count, std::string_view name)
{
    return std::to_string(count) + (count == 1 ? " occurrence" : " occurrences") + " found of "
        + std::string(name);
}

std::string seekNotFoundText(std::string_view root, std::string_view name)
{
    if (seekAcceptsAnyFolder(name)) {
        return "Could not find " + seekSubject(name) + " in " + std::string(root)
            + ".  Choose another file system and click on Search, or click on Cancel/Halt to go "
              "on without it.";
    }
    return "Could not find " + std::string(name) + " in " + std::string(root)
        + ".  Possible reasons include:\r"
          "    -  You do not own the correct version of this\r"
          "       Vehicle Program.\r"
          "    -  This program is on a different file system.";
}

std::string seekChooseText(std::string_view name)
{
    return "Double click (or single click and click on 'Use') on the occurrence of "
        + std::string(name) + " you want to use.";
}

std::string seekFailureText(std::string_view description)
{
    return std::string(description) + ". Unexpected error, exiting Seek Function.";
}

bool seekAcceptsAnyFolder(std::string_view name)
{
    return isKnownViewerProgram(name);
}

bool isUsableSeekResult(std::string_view path)
{
    if (path.empty() || path.front() != '/' || path.find('\0') != std::string_view::npos) {
        return false;
    }
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(path), error);
}

SeekRequest makeSeekRequest(std::string root, std::string name)
{
    const bool anyFolder = seekAcceptsAnyFolder(name);
    return { std::move(root), std::move(name), anyFolder };
}

void SeekControl::pause()
{
    const std::lock_guard lock(m_mutex);
    m_paused = true;
}

void SeekControl::resume()
{
    {
        const std::lock_guard lock(m_mutex);
        m_paused = false;
    }
    m_changed.notify_all();
}

void SeekControl::stop()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopped = true;
    }
    m_changed.notify_all();
}

bool SeekControl::isPaused() const
{
    const std::lock_guard lock(m_mutex);
    return m_paused;
}

bool SeekControl::isStopped() const
{
    return m_stopped.load();
}

bool SeekControl::waitWhilePaused()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_paused || m_stopped.load(); });
    return !m_stopped.load();
}

std::size_t FileSeek::FolderIdHash::operator()(const FolderId &id) const
{
    return std::hash<unsigned long long> {}(static_cast<unsigned long long>(id.inode))
        ^ (std::hash<unsigned long long> {}(static_cast<unsigned long long>(id.device)) << 1);
}

FileSeek::FileSeek(SeekRequest request)
    : m_request(std::move(request))
{
}

bool FileSeek::isFinished() const
{
    const SeekState state = m_state.load();
    return state != SeekState::Ready && state != SeekState::Running;
}

void FileSeek::start()
{
    m_state = SeekState::Running;
    // The chosen root may itself be a link (a mount point reached through
    // one); the walk runs on its real path so that every folder below can be
    // taken without following links.
    std::error_code error;
    const auto root = std::filesystem::canonical(m_request.root, error);
    struct stat info
    {
    };
    if (error || ::lstat(root.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return; // nothing to walk: the walk completes having found nothing
    }
    m_rootDevice = info.st_dev;
    m_pending.push_back(root);
}

bool FileSeek::enter(const std::filesystem::path &folder)
{
    struct stat info
    {
    };
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)
        || info.st_dev != m_rootDevice) {
        return false;
    }
    return m_visited.insert(FolderId { info.st_dev, info.st_ino }).second;
}

void FileSeek::searchFolder(const std::filesystem::path &folder)
{
    ++m_folders;
    std::vector<std::filesystem::path> subfolders;
    std::vector<std::string> matches;
    bool holdsQmk = false;

    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    // An unreadable folder is counted and passed over; a listing that fails
    // part way is used as far as it went.
    for (const std::filesystem::directory_iterator end; !error && it != end; it.increment(error)) {
        const std::filesystem::directory_entry &entry = *it;
        std::error_code typeError;
        const auto status = entry.symlink_status(typeError);
        if (typeError) {
            continue;
        }
        if (std::filesystem::is_directory(status)) {
            subfolders.push_back(entry.path());
            continue;
        }
        const std::string name = entry.path().filename().string();
        if (equalIgnoringCase(name, m_request.name)) {
            matches.push_back(entry.path().string());
        }
        if (std::filesystem::is_regular_file(status) && isQmkName(name)) {
            holdsQmk = true;
        }
    }

    // Depth first in name order: the first subfolder is searched next.
    std::sort(subfolders.begin(), subfolders.end(), std::greater<> {});
    for (auto &subfolder : subfolders) {
        m_pending.push_back(std::move(subfolder));
    }
    if (!m_request.acceptAnyFolder && !holdsQmk) {
        return;
    }
    std::sort(matches.begin(), matches.end());
    for (auto &match : matches) {
        if (!addMatch(std::move(match))) {
            return;
        }
    }
}

bool FileSeek::addMatch(std::string path)
{
    {
        const std::lock_guard lock(m_resultMutex);
        if (m_found.size() < m_request.maxFinds) {
            m_found.push_back(std::move(path));
            ++m_foundCount;
            return true;
        }
    }
    finish(SeekState::TooMany, kSeekTooManyText);
    return false;
}

void FileSeek::finish(SeekState state, std::string failure)
{
    {
        const std::lock_guard lock(m_resultMutex);
        m_failure = std::move(failure);
    }
    m_pending.clear();
    m_pending.shrink_to_fit();
    m_visited.clear();
    m_state = state;
}

bool FileSeek::step(std::size_t maxFolders)
{
    if (isFinished()) {
        return false;
    }
    try {
        if (m_state.load() == SeekState::Ready) {
            start();
        }
        for (std::size_t done = 0; done < maxFolders && m_state.load() == SeekState::Running;) {
            if (m_pending.empty()) {
                break;
            }
            const std::filesystem::path folder = std::move(m_pending.back());
            m_pending.pop_back();
            if (enter(folder)) {
                searchFolder(folder);
                ++done;
            }
        }
        if (m_state.load() == SeekState::Running && m_pending.empty()) {
            finish(SeekState::Completed);
        }
    } catch (const std::exception &fault) {
        finish(SeekState::Failed, seekFailureText(fault.what()));
    }
    return !isFinished();
}

void FileSeek::run(SeekControl &control)
{
    while (!isFinished()) {
        if (!control.waitWhilePaused()) {
            stop();
            return;
        }
        step(1);
    }
}

void FileSeek::stop()
{
    if (!isFinished()) {
        finish(SeekState::Stopped);
    }
}

std::vector<std::string> FileSeek::found() const
{
    const std::lock_guard lock(m_resultMutex);
    return m_found;
}

std::vector<std::string> FileSeek::foundFrom(std::size_t first) const
{
    const std::lock_guard lock(m_resultMutex);
    if (first >= m_found.size()) {
        return {};
    }
    return { m_found.begin() + static_cast<std::ptrdiff_t>(first), m_found.end() };
}

SeekOutcome FileSeek::outcome() const
{
    const std::size_t count = m_foundCount.load();
    if (count == 0) {
        return SeekOutcome::NotFound;
    }
    return count == 1 ? SeekOutcome::Single : SeekOutcome::Many;
}

std::string FileSeek::singleResult() const
{
    const std::lock_guard lock(m_resultMutex);
    return m_found.size() == 1 ? m_found.front() : std::string();
}

std::string FileSeek::failureText() const
{
    const std::lock_guard lock(m_resultMutex);
    return m_failure;
}

} // namespace tarvik
