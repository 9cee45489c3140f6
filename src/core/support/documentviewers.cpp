// The Help menu's launch chains and their messages; see documentviewers.h.
#include "core/support/documentviewers.h"

#include "core/layout/settings.h"
#include "core/support/fileseek.h"
#include "core/support/shippedtext.h"
#include "core/support/viewerprograms.h"

#include <cstdlib>
#include <utility>

namespace tarvik {

namespace {

constexpr const char *kParagraphBreak = "\r\r";

ViewerMessage titled(std::string text)
{
    return { kViewerMessageTitle, std::move(text) };
}

} // namespace

ViewerMessage manualFirstTimeMessage()
{
    return titled("When finished viewing the manual in the PDF viewer, click in the [x] box in "
                  "the upper right corner of the PDF viewer to return to the Tarvik.");
}

ViewerMessage pdfViewerSearchMessage()
{
    return titled("No PDF viewer was found: the desktop has no application for PDF files, and none "
                  "of the usual PDF viewers is on the search path.  The program will now search "
                  "for the PDF viewer "
        + std::string(kPdfViewerSeekName) + ".");
}

ViewerMessage manualNotShownQuestion(const std::string &manualPath)
{
    return { "User's Manual",
        "The User's Manual could not be shown, as no PDF viewer was found.  It is the file"
            + std::string(kParagraphBreak) + manualPath + kParagraphBreak
            + "Do you want to open its folder?" };
}

ViewerMessage folderNotOpenedMessage(const std::string &folder)
{
    return titled("The folder " + folder + " could not be opened.");
}

ViewerMessage pdfViewerDownloadQuestion()
{
    return { "Download Free PDF Viewer?",
        std::string("A PDF viewer is needed to display the User Manual, but it was not found on "
                    "your computer.")
            + kParagraphBreak + "Do you want to go On Line and download a FREE copy?" };
}

ViewerMessage pdfViewerDownloadNote()
{
    return titled("If you download the viewer, then click on Help, then Display User's Manual "
                  "again to read the manual.");
}

ViewerMessage documentFinishedMessage(std::string_view name)
{
    return titled("When you are finished viewing the " + std::string(name)
        + " document, click on the [X] box in the upper right corner to return to the Tarvik.");
}

ViewerMessage documentMissingMessage(const std::string &path)
{
    return titled("The document " + path
        + " was not found.  It should have been installed with the program.");
}

ViewerMessage noDocumentViewerMessage(const std::string &path)
{
    return titled("An appropriate viewer was not found on your system.  The document is the file"
        + std::string(kParagraphBreak) + path);
}

ViewerMessage webSiteFinishedMessage(std::string_view site)
{
    return titled("When you are finished viewing the '" + std::string(site)
        + "' web site, click on the [X] box in the upper right corner to return to the Tarvik.");
}

ViewerMessage browserSearchMessage()
{
    return titled("No web browser was found: the desktop has no application for web pages, and "
                  "none of the usual web browsers is on the search path.  The program will now "
                  "search for the web browser "
        + std::string(kWebBrowserSeekName) + ".");
}

ViewerMessage browserNotLocatedMessage(std::string_view address)
{
    return titled("We could not locate a web browser on your computer.  Use your normal web "
                  "browser and visit:"
        + std::string(kParagraphBreak) + std::string(address) + kParagraphBreak
        + "To see any info on recent updates on this and other Quellmark products.");
}

std::string webSiteName(std::string_view address)
{
    const auto scheme = address.find("://");
    if (scheme != std::string_view::npos) {
        address.remove_prefix(scheme + 3);
    }
    return std::string(address.substr(0, address.find('/')));
}

std::string ViewerHost::findOnPath(const std::string &name)
{
    const char *searchPath = std::getenv("PATH");
    return findExecutableOnPath(name, searchPath ? searchPath : "");
}

DocumentViewers::DocumentViewers(
    ViewerHost &host, Settings &settings, std::filesystem::path dataFolder)
    : m_host(host)
    , m_settings(settings)
    , m_dataFolder(std::move(dataFolder))
{
}

void DocumentViewers::sayManualNoteOnce()
{
    if (!m_manualNoteSaid) {
        m_manualNoteSaid = true;
        m_host.say(manualFirstTimeMessage());
    }
}

bool DocumentViewers::startRemembered(std::string &remembered, const std::string &target)
{
    if (m_host.startProgram(remembered, { target })) {
        return true;
    }
    // Uninstalled or moved since it was found: look afresh from now on.
    remembered.clear();
    return false;
}

bool DocumentViewers::startFromPath(
    std::span<const std::string_view> programs, const std::string &target, std::string *remember)
{
    for (const std::string_view name : programs) {
        const std::string program = m_host.findOnPath(std::string(name));
        if (program.empty() || !m_host.startProgram(program, { target })) {
            continue;
        }
        if (remember) {
            *remember = program;
        }
        return true;
    }
    return false;
}

bool DocumentViewers::startFromSeek(
    std::string_view name, const std::string &target, std::string &remember)
{
    const std::string found = m_host.seekFile(std::string(name));
    if (!isUsableSeekResult(found) || !m_host.startProgram(found, { target })) {
        return false;
    }
    remember = found;
    return true;
}

bool DocumentViewers::startManualViewer(const std::string &target)
{
    if (!m_settings.pdfViewerFolder.empty()
        && startRemembered(m_settings.pdfViewerFolder, target)) {
        return true;
    }
    if (m_host.openWithDesktop(target)
        || startFromPath(pdfViewerPrograms(), target, &m_settings.pdfViewerFolder)) {
        return true;
    }
    m_host.say(pdfViewerSearchMessage());
    return startFromSeek(kPdfViewerSeekName, target, m_settings.pdfViewerFolder);
}

ViewerOutcome DocumentViewers::offerManualFolder(const std::filesystem::path &manual)
{
    ViewerOutcome outcome;
    outcome.step = ViewerOutcome::Step::OpenManualFolder;
    outcome.question = manualNotShownQuestion(manual.string());
    outcome.manual = manual;
    return outcome;
}

ViewerOutcome DocumentViewers::showManual()
{
    const auto folder = m_dataFolder / kManualFolder;
    const auto manual = findFileIgnoringCase(folder, kManualFileName);
    if (!manual) {
        m_host.say(documentMissingMessage((folder / kManualFileName).string()));
        return ViewerOutcome::finished(false);
    }
    if (startManualViewer(manual->string())) {
        sayManualNoteOnce();
        return ViewerOutcome::finished(true);
    }
    ViewerOutcome outcome;
    outcome.step = ViewerOutcome::Step::DownloadViewer;
    outcome.question = pdfViewerDownloadQuestion();
    outcome.manual = *manual;
    return outcome;
}

ViewerOutcome DocumentViewers::carryOn(const ViewerOutcome &asked, bool yes)
{
    switch (asked.step) {
    case ViewerOutcome::Step::Finished:
        break;
    case ViewerOutcome::Step::DownloadViewer:
        // A download page that opened is the user's way on; anything else
        // ends with where the manual is.
        if (yes) {
            m_host.say(pdfViewerDownloadNote());
            if (showWebAddress(kPdfViewerDownloadAddress)) {
                return ViewerOutcome::finished(false);
            }
        }
        return offerManualFolder(asked.manual);
    case ViewerOutcome::Step::OpenManualFolder:
        if (yes) {
            const std::string folder = asked.manual.parent_path().string();
            if (!m_host.openWithDesktop(folder)) {
                m_host.say(folderNotOpenedMessage(folder));
            }
        }
        break;
    }
    return ViewerOutcome::finished(false);
}

bool DocumentViewers::showReadme()
{
    const auto readme = findFileIgnoringCase(m_dataFolder, kReadmeFileName);
    if (!readme) {
        m_host.say(documentMissingMessage((m_dataFolder / kReadmeFileName).string()));
        return false;
    }
    const std::string target = readme->string();
    m_host.say(documentFinishedMessage(kReadmeFileName));
    if (m_host.openWithDesktop(target) || startFromPath(textViewerPrograms(), target, nullptr)) {
        return true;
    }
    m_host.say(noDocumentViewerMessage(target));
    return false;
}

bool DocumentViewers::showMakerWebSite()
{
    return showWebAddress(kMakerWebAddress);
}

bool DocumentViewers::showWebAddress(const std::string &address)
{
    m_host.say(webSiteFinishedMessage(webSiteName(address)));
    if (!m_settings.webBrowserPath.empty() && startRemembered(m_settings.webBrowserPath, address)) {
        return true;
    }
    if (m_host.openWithDesktop(address)
        || startFromPath(webBrowserPrograms(), address, &m_settings.webBrowserPath)) {
        return true;
    }
    m_host.say(browserSearchMessage());
    if (startFromSeek(kWebBrowserSeekName, address, m_settings.webBrowserPath)) {
        return true;
    }
    m_host.say(browserNotLocatedMessage(kMakerWebAddress));
    return false;
}

} // namespace tarvik
