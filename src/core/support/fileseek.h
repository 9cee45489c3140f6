// The file seek: a walk of one file system that looks for a program by name
// when it is not where the Help menu expects it, and the texts of its window
// (frmSeek).
//
// The walk starts at a chosen root ("/" or another mount point from
// mountedFileSystems()) and goes depth first, subfolders in name order. It
// stays on the root's file system, as the old search stayed on one drive,
// never follows a symbolic link to a folder, and remembers the device and
// inode of every folder it enters, so bind mounts and link loops cannot make
// it go round; folders it may not read are counted and passed over.
//
// A match is an entry that is not a folder whose name equals the sought name
// ignoring ASCII case. It counts only in a folder that also holds a "*.qmk"
// file (our own data files), so that a search for one of our programs finds
// only its installed copies, unless the request accepts any folder, as it
// does for the outside viewers (seekAcceptsAnyFolder).
//
// Two ways to drive it: step() from the window's own thread between events,
// or run() on a worker thread with a SeekControl that the window holds to
// pause the walk while it asks "Halt ?", resume it (No) or stop it (Yes).
// The counts and the found list may be read from any thread while it runs.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <filesystem>
#include <mutex>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <unordered_set>
#include <vector>

namespace tarvik {

// The old list box's limit: the search stops when the found list is full.
inline constexpr std::size_t kMaxSeekFinds = 32767;

inline constexpr const char *kSeekFoldersCaption = "Folders Searched:";
inline constexpr const char *kSeekHaltQuestion = "Halt searching for file ?";
inline constexpr const char *kSeekHaltTitle = "                   Halt ?                    ";
inline constexpr const char *kSeekTooManyText = "Too many entries found to display in listbox.";

// What the window looks for, as its texts name it: "the PDF viewer evince"
// for an outside viewer, else the bare name.
std::string seekSubject(std::string_view name);
// The window's title: "Search for " + the subject.
std::string seekWindowTitle(std::string_view name);
// Which file system to search, for what, and the Search button.
std::string seekInstructionText(std::string_view name);
// "3 occurrences found of evince" (one occurrence, 0 occurrences).
std::string seekFoundCaption(std::size_t count, std::string_view name);
// The message when a walk of root found nothing; for an outside viewer it
// says how to go on without one.
std::string seekNotFoundText(std::string_view root, std::string_view name);
// The prompt shown with the "Use" button when there is more than one match.
std::string seekChooseText(std::string_view name);
// An unexpected fault's description + ". Unexpected error, exiting Seek Function."
std::string seekFailureText(std::string_view description);

// True for the outside viewers and browsers, which are found in any folder.
bool seekAcceptsAnyFolder(std::string_view name);

// True when a seek result names a program the caller can start: an absolute
// path to an existing regular file. An empty result (cancelled, nothing
// found) and anything else is "not found".
bool isUsableSeekResult(std::string_view path);

struct SeekRequest
{
    std::string root = "/";
    std::string name; // bare file name, matched ignoring ASCII case
    bool acceptAnyFolder = false;
    std::size_t maxFinds = kMaxSeekFinds;
};

// The request for a walk of root looking for name, with the any-folder rule
// decided by the name (seekAcceptsAnyFolder).
SeekRequest makeSeekRequest(std::string root, std::string name);

// Pause, resume and stop for a walk running on another thread.
class SeekControl
{
public:
    // The walk holds before its next folder until resume() or stop().
    void pause();
    void resume();
    // The walk ends before its next folder; a paused walk is released to end.
    void stop();
    bool isPaused() const;
    bool isStopped() const;
    // Blocks while paused; true when the walk may go on, false once stopped.
    bool waitWhilePaused();

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_paused = false;
    std::atomic<bool> m_stopped { false };
};

// How the walk stands. Completed and Stopped walks are judged by the number
// found (outcome()); TooMany and Failed end with failureText().
enum class SeekState { Ready, Running, Completed, Stopped, TooMany, Failed };
enum class SeekOutcome { NotFound, Single, Many };

class FileSeek
{
public:
    explicit FileSeek(SeekRequest request);

    const SeekRequest &request() const { return m_request; }

    // Searches up to maxFolders more folders; false once the walk has ended.
    bool step(std::size_t maxFolders = 1);
    // Walks to the end on the calling thread: holds while control is paused,
    // ends (state Stopped) as soon as it is stopped.
    void run(SeekControl &control);
    // Ends a walk driven by step() (the window's Halt answered Yes).
    void stop();

    SeekState state() const { return m_state.load(); }
    bool isFinished() const;
    std::size_t foldersSearched() const { return m_folders.load(); }
    std::size_t foundCount() const { return m_foundCount.load(); }
    std::vector<std::string> found() const;
    // The matches from index first on, for a window that adds them as they come.
    std::vector<std::string> foundFrom(std::size_t first) const;
    SeekOutcome outcome() const;
    // The single match, when there is exactly one; else empty.
    std::string singleResult() const;
    // The message of a TooMany or Failed end; empty otherwise.
    std::string failureText() const;

private:
    struct FolderId
    {
        dev_t device;
        ino_t inode;
        bool operator==(const FolderId &) const = default;
    };
    struct FolderIdHash
    {
        std::size_t operator()(const FolderId &id) const;
    };

    void start();
    bool enter(const std::filesystem::path &folder);
    void searchFolder(const std::filesystem::path &folder);
    bool addMatch(std::string path);
    void finish(SeekState state, std::string failure = {});

    SeekRequest m_request;
    std::atomic<SeekState> m_state { SeekState::Ready };
    std::atomic<std::size_t> m_folders { 0 };
    std::atomic<std::size_t> m_foundCount { 0 };
    mutable std::mutex m_resultMutex; // guards m_found and m_failure
    std::vector<std::string> m_found;
    std::string m_failure;
    // Folders still to search, the next one last.
    std::vector<std::filesystem::path> m_pending;
    std::unordered_set<FolderId, FolderIdHash> m_visited;
    dev_t m_rootDevice = 0;
};

} // namespace tarvik
