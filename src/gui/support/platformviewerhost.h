// The desktop side of the Help menu's launch chains (core DocumentViewers)
// over the platform layer, so that every message, question and start goes
// through Platform and tests can script them.
//
// Messages are information boxes with OK, questions Yes/No boxes; a file
// path goes to the desktop's handler for documents, a web address to its
// browser; programs start detached; the file seek is the platform's seek
// window over the mounted file systems.
#pragma once

#include "core/support/documentviewers.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>

namespace tarvik::gui {

class Platform;

class PlatformViewerHost : public ViewerHost
{
public:
    explicit PlatformViewerHost(Platform &platform);

    // The window the messages and the seek window belong to.
    void setParent(QWidget *parent) { m_parent = parent; }
    // Looks programs up on this search path (a PATH value) instead of the
    // environment's.
    void setSearchPath(const QString &searchPath) { m_searchPath = searchPath; }

    void say(const ViewerMessage &message) override;
    // The Yes/No question a chain stopped at; true for Yes.
    bool ask(const ViewerMessage &question);
    bool openWithDesktop(const std::string &target) override;
    bool startProgram(
        const std::string &program, const std::vector<std::string> &arguments) override;
    std::string findOnPath(const std::string &name) override;
    std::string seekFile(const std::string &name) override;

private:
    Platform &m_platform;
    QPointer<QWidget> m_parent;
    std::optional<QString> m_searchPath;
};

} // namespace tarvik::gui
