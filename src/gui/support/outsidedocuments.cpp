// The Help menu's outside documents; see outsidedocuments.h.
#include "gui/support/outsidedocuments.h"

#include "gui/document/settingsowner.h"

namespace tarvik::gui {

OutsideDocuments::OutsideDocuments(
    Platform &platform, SettingsOwner &settings, const QString &dataRoot)
    : m_host(platform)
    , m_settings(settings)
    , m_viewers(m_host, m_paths, dataRoot.toStdString())
{
}

bool OutsideDocuments::show(OutsideDocument document, QWidget *parent)
{
    m_host.setParent(parent);
    m_paths.pdfViewerFolder = m_settings.get().pdfViewerFolder;
    m_paths.webBrowserPath = m_settings.get().webBrowserPath;

    bool started = false;
    switch (document) {
    case OutsideDocument::Manual: {
        ViewerOutcome outcome = m_viewers.showManual();
        while (outcome.question) {
            outcome = m_viewers.carryOn(outcome, m_host.ask(*outcome.question));
        }
        started = outcome.started;
        break;
    }
    case OutsideDocument::Readme:
        started = m_viewers.showReadme();
        break;
    case OutsideDocument::WebSite:
        started = m_viewers.showMakerWebSite();
        break;
    }

    const Settings &now = m_settings.get();
    if (m_paths.pdfViewerFolder != now.pdfViewerFolder
        || m_paths.webBrowserPath != now.webBrowserPath) {
        m_settings.change([this](Settings &s) {
            s.pdfViewerFolder = m_paths.pdfViewerFolder;
            s.webBrowserPath = m_paths.webBrowserPath;
        });
    }
    return started;
}

} // namespace tarvik::gui
