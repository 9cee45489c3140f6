// Showing the calculation window's messages; see calcmessagebox.h.
#include "gui/calc/calcmessagebox.h"

#include "core/layout/maintexts.h"
#include "gui/common/shippedtextdisplay.h"
#include "gui/platform/platform.h"

#include <optional>

namespace tarvik::gui {

namespace {

MessageButtons platformButtons(CalcButtons buttons)
{
    switch (buttons) {
    case CalcButtons::YesNo:
        return MessageButtons::YesNo;
    case CalcButtons::YesNoCancel:
        return MessageButtons::YesNoCancel;
    case CalcButtons::Ok:
        break;
    }
    return MessageButtons::Ok;
}

MessageIcon platformIcon(CalcIcon icon)
{
    switch (icon) {
    case CalcIcon::Information:
        return MessageIcon::Information;
    case CalcIcon::Question:
        return MessageIcon::Question;
    case CalcIcon::Exclamation:
        return MessageIcon::Exclamation;
    case CalcIcon::None:
        break;
    }
    return MessageIcon::None;
}

// The core counts the default button from the left: Yes, No, Cancel. An
// OK box has no choice to make.
std::optional<MessageAnswer> defaultAnswer(const CalcMessage &message)
{
    if (message.buttons == CalcButtons::Ok) {
        return std::nullopt;
    }
    switch (message.defaultButton) {
    case 1:
        return MessageAnswer::No;
    case 2:
        return message.buttons == CalcButtons::YesNoCancel ? MessageAnswer::Cancel
                                                           : MessageAnswer::Yes;
    default:
        return MessageAnswer::Yes;
    }
}

} // namespace

CalcAnswer showCalcMessage(Platform &platform, QWidget *parent, const CalcMessage &message)
{
    const QString title = message.title.empty() ? QString::fromLatin1(maintexts::kTitle)
                                                : decodeShippedText(message.title);
    // The platform turns CR into the line breaks its boxes show.
    const MessageAnswer answer = platform.message(parent, title, decodeShippedText(message.text),
        platformButtons(message.buttons), platformIcon(message.icon), defaultAnswer(message));
    switch (answer) {
    case MessageAnswer::Yes:
        return CalcAnswer::Yes;
    case MessageAnswer::No:
        return CalcAnswer::No;
    case MessageAnswer::Cancel:
        return CalcAnswer::Cancel;
    case MessageAnswer::Ok:
        break;
    }
    return CalcAnswer::Ok;
}

QString calcLabelText(std::string_view text)
{
    return withLabelLineBreaks(decodeShippedText(text));
}

} // namespace tarvik::gui
