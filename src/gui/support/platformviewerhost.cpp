// The launch chains' desktop over the platform layer; see platformviewerhost.h.
#include "gui/support/platformviewerhost.h"

#include "core/support/viewerprograms.h"
#include "gui/platform/platform.h"

#include <QStringList>

namespace tarvik::gui {

namespace {

QString qt(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

PlatformViewerHost::PlatformViewerHost(Platform &platform)
    : m_platform(platform)
{
}

void PlatformViewerHost::say(const ViewerMessage &message)
{
    m_platform.message(m_parent, qt(message.title), qt(message.text), MessageButtons::Ok,
        MessageIcon::Information);
}

bool PlatformViewerHost::ask(const ViewerMessage &question)
{
    return m_platform.message(m_parent, qt(question.title), qt(question.text),
               MessageButtons::YesNo, MessageIcon::Question)
        == MessageAnswer::Yes;
}

bool PlatformViewerHost::openWithDesktop(const std::string &target)
{
    // The chains hand over absolute paths for files and addresses otherwise.
    if (!target.empty() && target.front() == '/') {
        return m_platform.openDocument(qt(target));
    }
    return m_platform.openUrl(qt(target));
}

bool PlatformViewerHost::startProgram(
    const std::string &program, const std::vector<std::string> &arguments)
{
    QStringList args;
    for (const std::string &argument : arguments) {
        args << qt(argument);
    }
    return m_platform.startProgram(qt(program), args);
}

std::string PlatformViewerHost::findOnPath(const std::string &name)
{
    if (m_searchPath) {
        return findExecutableOnPath(name, m_searchPath->toStdString());
    }
    return ViewerHost::findOnPath(name);
}

std::string PlatformViewerHost::seekFile(const std::string &name)
{
    return m_platform.seekFile(m_parent, qt(name)).toStdString();
}

} // namespace tarvik::gui
