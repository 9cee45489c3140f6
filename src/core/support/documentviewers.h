// The Help menu's outside documents: the user's manual (a PDF file), the
// recent-changes readme (a text file) and the maker's web site, each handed
// to an outside program, with the messages that go with each try.
//
// The launchers hold only the order of attempts; the desktop side is a
// ViewerHost: message boxes, the desktop's default handler for a file or an
// address, starting a program with arguments, the search-path lookup and
// the file seek window. The manual's chain asks the user Yes/No questions by
// handing them back: showManual() returns a ViewerOutcome with the question,
// the window asks it and calls carryOn() with the outcome and the answer, and
// the chain goes on from where it stopped (nothing it did is done again).
// Each chain, first to last, moving on only when a start fails:
//
// - manual: the remembered PDF viewer, the desktop's handler for PDF files,
//   the known PDF viewers on the search path, the file seek for one of them;
//   when all fail, the offer to go on line for a free viewer, and when that
//   is declined or fails too, the manual's full path with the offer to open
//   its folder. The note on closing the viewer comes once a viewer started.
// - readme: the desktop's handler for text files, the known text viewers on
//   the search path; then "An appropriate viewer was not found on your
//   system." with the document's full path.
// - web site: the remembered browser, the desktop's handler for web
//   addresses, the known browsers on the search path, the file seek for one
//   of them; then the address to visit by hand.
//
// A viewer found on the search path or by the seek that starts is
// remembered in the settings (pdfViewerFolder, webBrowserPath, each a full
// program path) and is tried first the next time. A remembered program that
// no longer starts is forgotten and the chain goes on from the desktop's
// handler, rather than leaving the user with no manual and no message.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

struct Settings;

// The outside documents of the Help menu.
enum class OutsideDocument { Manual, Readme, WebSite };

// The product page behind Help "Quellmark on the Web".
inline constexpr const char *kMakerWebAddress = "https://tarvik.example.org/";
// Where a Debian 12 user gets the PDF viewer we look for first.
inline constexpr const char *kPdfViewerDownloadAddress
    = "https://packages.debian.org/bookworm/evince";
// The shipped documents, in the data folder (names matched ignoring case).
inline constexpr const char *kManualFolder = "TKTEXT";
inline constexpr const char *kManualFileName = "tarvman7.pdf";
inline constexpr const char *kReadmeFileName = "Readme.doc";
// The title of messages that have none of their own.
inline constexpr const char *kViewerMessageTitle = "Tarvik";

struct ViewerMessage
{
    std::string title;
    std::string text;

    friend bool operator==(const ViewerMessage &, const ViewerMessage &) = default;
};

// What the launchers need from the desktop. Every call returns at once: a
// started program runs on by itself.
class ViewerHost
{
public:
    virtual ~ViewerHost() = default;

    // An information box with an OK button.
    virtual void say(const ViewerMessage &message) = 0;
    // Hands an absolute file or folder path (starting with '/') or a web
    // address to the desktop's default handler; false when it could not be
    // handed on, or the desktop has no application for its type.
    virtual bool openWithDesktop(const std::string &target) = 0;
    // Starts program (a full path) with the arguments, each passed as one
    // argument; false when it could not be started.
    virtual bool startProgram(const std::string &program, const std::vector<std::string> &arguments)
        = 0;
    // The full path of the program called name on the search path; empty
    // when there is none. By default findExecutableOnPath over PATH.
    virtual std::string findOnPath(const std::string &name);
    // Runs the file seek window for name; the path the user chose, or empty.
    virtual std::string seekFile(const std::string &name) = 0;
};

// The messages, each as the chains say them.
ViewerMessage manualFirstTimeMessage();
ViewerMessage pdfViewerSearchMessage();
// The last word of the manual's chain: its full path, and whether to open
// its folder (Yes/No).
ViewerMessage manualNotShownQuestion(const std::string &manualPath);
ViewerMessage folderNotOpenedMessage(const std::string &folder);
ViewerMessage pdfViewerDownloadQuestion();
ViewerMessage pdfViewerDownloadNote();
ViewerMessage documentFinishedMessage(std::string_view name);
// Said instead of starting anything when a shipped document is missing.
ViewerMessage documentMissingMessage(const std::string &path);
ViewerMessage noDocumentViewerMessage(const std::string &path);
ViewerMessage webSiteFinishedMessage(std::string_view site);
ViewerMessage browserSearchMessage();
// The last word of the web chain; it names the maker's address whatever
// address was being opened.
ViewerMessage browserNotLocatedMessage(std::string_view address);
// The site of an address as the finished-viewing message names it: the
// address without its scheme and path ("tarvik.example.org").
std::string webSiteName(std::string_view address);

// Where a chain stands: finished (started says whether a viewer started),
// or stopped at a Yes/No question to ask before carryOn().
struct ViewerOutcome
{
    enum class Step {
        Finished,
        DownloadViewer, // pdfViewerDownloadQuestion()
        OpenManualFolder // manualNotShownQuestion()
    };
    Step step = Step::Finished;
    bool started = false;
    std::optional<ViewerMessage> question;
    std::filesystem::path manual; // the manual the chain was showing

    static ViewerOutcome finished(bool started)
    {
        ViewerOutcome outcome;
        outcome.started = started;
        return outcome;
    }
};

// The Help menu's three launchers for one run of the program; the
// first-time note of the manual is said once per object.
class DocumentViewers
{
public:
    DocumentViewers(ViewerHost &host, Settings &settings, std::filesystem::path dataFolder);

    // Help "Display User's Manual"; finished with started true when a
    // viewer was started.
    ViewerOutcome showManual();
    // Goes on with the chain that stopped at asked's question, with the
    // user's answer (true for Yes).
    ViewerOutcome carryOn(const ViewerOutcome &asked, bool yes);
    // Help "Display Readme.doc File (recent changes)".
    bool showReadme();
    // Help "Quellmark on the Web".
    bool showMakerWebSite();
    // Any web address, through the web chain.
    bool showWebAddress(const std::string &address);

private:
    bool startRemembered(std::string &remembered, const std::string &target);
    bool startFromPath(std::span<const std::string_view> programs, const std::string &target,
        std::string *remember);
    bool startFromSeek(std::string_view name, const std::string &target, std::string &remember);
    bool startManualViewer(const std::string &target);
    static ViewerOutcome offerManualFolder(const std::filesystem::path &manual);
    void sayManualNoteOnce();

    ViewerHost &m_host;
    Settings &m_settings;
    std::filesystem::path m_dataFolder;
    bool m_manualNoteSaid = false;
};

} // namespace tarvik
