// The Help menu's launch chains against a scripted desktop: every message in
// its order, which starts are tried, and what is remembered. The remembered
// browser used next time, a stale viewer forgotten and the readme's message
// are checked through the window's outside documents.
#include "core/layout/settings.h"
#include "core/support/documentviewers.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tarvik {
namespace {

// Records every call as one line; answers from its script.
class ScriptedHost : public ViewerHost
{
public:
    void say(const ViewerMessage &message) override { log.push_back("say " + message.text); }
    bool ask(const ViewerMessage &question)
    {
        log.push_back("ask " + question.title);
        return answerYes;
    }
    bool openWithDesktop(const std::string &target) override
    {
        log.push_back("desktop " + target);
        return desktopWorks;
    }
    bool startProgram(const std::string &program, const std::vector<std::string> &args) override
    {
        log.push_back("start " + program + " " + (args.size() == 1 ? args[0] : "?"));
        return starts.count(program) > 0;
    }
    std::string findOnPath(const std::string &name) override
    {
        const auto it = onPath.find(name);
        return it == onPath.end() ? std::string() : it->second;
    }
    std::string seekFile(const std::string &name) override
    {
        log.push_back("seek " + name);
        return seekResult;
    }

    std::vector<std::string> log;
    bool answerYes = false;
    bool desktopWorks = false;
    std::map<std::string, std::string> onPath;
    std::set<std::string> starts;
    std::string seekResult;
};

class Viewers : public testing::Test
{
protected:
    void SetUp() override
    {
        m_data = fs::temp_directory_path() / ("tarvik-viewers-" + std::to_string(::getpid()));
        fs::create_directories(m_data / "TKTEXT");
        std::ofstream(m_data / "TKTEXT" / "TARVMAN7.PDF") << "%PDF";
        std::ofstream(m_data / "Readme.doc") << "changes";
        std::ofstream(m_data / "okular") << "#!"; // a viewer the seek can find
        m_manual = (m_data / "TKTEXT" / "TARVMAN7.PDF").string();
        m_readme = (m_data / "Readme.doc").string();
        m_found = (m_data / "okular").string();
    }
    void TearDown() override { fs::remove_all(m_data); }

    static std::string said(const ViewerMessage &message) { return "say " + message.text; }

    // The manual's chain as the window runs it: each question the chain
    // stops at is asked, and the chain goes on with the answer.
    static bool showManual(DocumentViewers &viewers, ScriptedHost &host)
    {
        ViewerOutcome outcome = viewers.showManual();
        while (outcome.question) {
            outcome = viewers.carryOn(outcome, host.ask(*outcome.question));
        }
        return outcome.started;
    }

    fs::path m_data;
    std::string m_manual, m_readme, m_found;
    ScriptedHost m_host;
    Settings m_settings;
};

TEST_F(Viewers, ManualNowhereThenTheDownloadOffer)
{
    DocumentViewers viewers(m_host, m_settings, m_data);
    m_host.onPath["atril"] = "/usr/bin/atril"; // on the path but will not start
    EXPECT_FALSE(showManual(viewers, m_host));
    // No note on closing a viewer that never opened; the manual's path last.
    EXPECT_EQ(m_host.log,
        (std::vector<std::string> { "desktop " + m_manual, "start /usr/bin/atril " + m_manual,
            said(pdfViewerSearchMessage()), "seek evince", "ask Download Free PDF Viewer?",
            "ask User's Manual" }));
    EXPECT_EQ(m_settings.pdfViewerFolder + m_settings.webBrowserPath, "");
    EXPECT_NE(manualNotShownQuestion(m_manual).text.find(m_manual), std::string::npos);

    // Accepted: through the web chain to the address to visit by hand, then
    // the manual's folder, which the desktop cannot open either.
    m_host.log.clear();
    m_host.answerYes = true;
    EXPECT_FALSE(showManual(viewers, m_host));
    const std::vector<std::string> tail(
        std::find(m_host.log.begin(), m_host.log.end(), "ask Download Free PDF Viewer?"),
        m_host.log.end());
    EXPECT_EQ(tail,
        (std::vector<std::string> { "ask Download Free PDF Viewer?", said(pdfViewerDownloadNote()),
            said(webSiteFinishedMessage("packages.debian.org")),
            std::string("desktop ") + kPdfViewerDownloadAddress, said(browserSearchMessage()),
            "seek firefox", said(browserNotLocatedMessage(kMakerWebAddress)), "ask User's Manual",
            "desktop " + (m_data / "TKTEXT").string(),
            said(folderNotOpenedMessage((m_data / "TKTEXT").string())) }));
}

TEST_F(Viewers, ViewerFoundOnPathOrBySeekIsRemembered)
{
    DocumentViewers viewers(m_host, m_settings, m_data);
    m_host.onPath = { { "evince", "/usr/bin/evince" }, { "okular", "/usr/bin/okular" } };
    m_host.starts = { "/usr/bin/okular" };
    EXPECT_TRUE(showManual(viewers, m_host));
    EXPECT_EQ(std::vector<std::string>(m_host.log.end() - 2, m_host.log.end()),
        (std::vector<std::string> {
            "start /usr/bin/okular " + m_manual, said(manualFirstTimeMessage()) }));
    EXPECT_EQ(m_settings.pdfViewerFolder, "/usr/bin/okular");

    // Found by the seek, and tried first the next time.
    Settings fresh;
    ScriptedHost host;
    host.seekResult = m_found;
    host.starts = { m_found };
    DocumentViewers seeking(host, fresh, m_data);
    EXPECT_TRUE(showManual(seeking, host));
    EXPECT_EQ(fresh.pdfViewerFolder, m_found);
    host.log.clear();
    EXPECT_TRUE(showManual(seeking, host));
    EXPECT_EQ(host.log, (std::vector<std::string> { "start " + m_found + " " + m_manual }));

    // A seek result that names no program is "not found".
    Settings none;
    ScriptedHost nameOnly;
    nameOnly.seekResult = "okular";
    nameOnly.starts = { "okular" };
    DocumentViewers again(nameOnly, none, m_data);
    EXPECT_FALSE(showManual(again, nameOnly));
    EXPECT_EQ(nameOnly.log.back(), "ask User's Manual");
}

TEST_F(Viewers, MissingDocumentsStartNothing)
{
    fs::remove(m_manual);
    fs::remove(m_readme);
    DocumentViewers viewers(m_host, m_settings, m_data);
    EXPECT_FALSE(showManual(viewers, m_host));
    EXPECT_FALSE(viewers.showReadme());
    ASSERT_EQ(m_host.log.size(), 2u);
    EXPECT_EQ(
        m_host.log[0], said(documentMissingMessage((m_data / "TKTEXT" / "tarvman7.pdf").string())));
}

TEST_F(Viewers, ReadmeChain)
{
    DocumentViewers viewers(m_host, m_settings, m_data);
    EXPECT_FALSE(viewers.showReadme());
    EXPECT_EQ(m_host.log,
        (std::vector<std::string> { said(documentFinishedMessage("Readme.doc")),
            "desktop " + m_readme, said(noDocumentViewerMessage(m_readme)) }));

    // A text viewer found on the path is not remembered.
    m_host.onPath = { { "kate", "/usr/bin/kate" } };
    m_host.starts = { "/usr/bin/kate" };
    EXPECT_TRUE(viewers.showReadme());
    EXPECT_EQ(m_settings.pdfViewerFolder + m_settings.webBrowserPath, "");
}

} // namespace
} // namespace tarvik
