// The table's questions through the platform; see platformtabledialogs.h.
#include "gui/table/platformtabledialogs.h"

#include "core/layout/maintexts.h"
#include "gui/platform/platform.h"

#include <QString>

namespace tarvik::gui {

namespace {

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

void PlatformTableDialogs::note(const std::string &text)
{
    m_platform.message(m_parent, QString::fromLatin1(maintexts::kTitle), qs(text),
        MessageButtons::Ok, MessageIcon::Information);
}

bool PlatformTableDialogs::askYesNo(const std::string &title, const std::string &text)
{
    return m_platform.message(
               m_parent, qs(title), qs(text), MessageButtons::YesNo, MessageIcon::Question)
        == MessageAnswer::Yes;
}

std::optional<std::string> PlatformTableDialogs::askText(
    const std::string &title, const std::string &prompt, const std::string &defaultText)
{
    const std::optional<QString> answer
        = m_platform.askText(m_parent, qs(title), qs(prompt), qs(defaultText));
    if (!answer) {
        return std::nullopt;
    }
    return answer->toStdString();
}

} // namespace tarvik::gui
