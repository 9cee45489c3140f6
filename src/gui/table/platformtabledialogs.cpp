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

TableAnswer PlatformTableDialogs::ask(const TableQuestion &question)
{
    if (question.kind == TableQuestion::Kind::YesNo) {
        return TableAnswer::yesNo(
            m_platform.message(m_parent, qs(question.title), qs(question.text),
                MessageButtons::YesNo, MessageIcon::Question)
            == MessageAnswer::Yes);
    }
    const std::optional<QString> answer = m_platform.askText(
        m_parent, qs(question.title), qs(question.text), qs(question.defaultText));
    if (!answer) {
        return TableAnswer::typed(std::nullopt);
    }
    return TableAnswer::typed(answer->toStdString());
}

} // namespace tarvik::gui
