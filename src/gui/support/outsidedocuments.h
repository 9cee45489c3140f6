// The owner of the Help menu's outside documents for one run of the program:
// the user's manual, the recent-changes readme and the web site, each handed
// to an outside viewer by the core launch chains (DocumentViewers) through
// the platform.
//
// One set of chains lives for the whole run, so the manual's "when finished
// viewing" note is said only the first time. The viewer paths the chains
// find or forget (the PDF viewer and the web browser) are kept in the one
// settings object through SettingsOwner::change, so the exit path writes
// them and the next run starts the remembered viewer without a search.
#pragma once

#include "core/layout/settings.h"
#include "core/support/documentviewers.h"
#include "gui/support/platformviewerhost.h"

#include <QString>

class QWidget;

namespace tarvik::gui {

class Platform;
class SettingsOwner;

class OutsideDocuments
{
public:
    // dataRoot: the data folder holding TKTEXT/tarvman7.pdf and Readme.doc.
    OutsideDocuments(Platform &platform, SettingsOwner &settings, const QString &dataRoot);

    // Hands the document to its viewer; messages belong to parent. True when
    // a viewer was started.
    bool show(OutsideDocument document, QWidget *parent = nullptr);

    PlatformViewerHost &host() { return m_host; }

private:
    PlatformViewerHost m_host;
    SettingsOwner &m_settings;
    // The chains' view of the settings: the viewer paths are copied in
    // before each launch and the changes handed to the owner after it.
    Settings m_paths;
    DocumentViewers m_viewers;
};

} // namespace tarvik::gui
