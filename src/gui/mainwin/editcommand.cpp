// The Edit menu commands; see editcommand.h. Moved values are written with
// the "#####.####" picture: up to four decimals, no trailing zeros, a
// trailing point on whole values ("12."). Empty boxes stay empty, and the
// arm Length/Angle rows are never moved.
#include "gui/mainwin/editcommand.h"

#include "gui/platform/platform.h"
#include "core/text/numberreading.h"
#include "core/text/pictureformat.h"

namespace tarvik::gui {

namespace {

const QString kTitle = QStringLiteral("Tarvik");

QString verbOf(EditCode code)
{
    switch (code) {
    case EditCode::Raise:
        return QStringLiteral("Raise");
    case EditCode::Lower:
        return QStringLiteral("Lower");
    case EditCode::MoveLeft:
        return QStringLiteral("Move Left");
    case EditCode::MoveRight:
        return QStringLiteral("Move Right");
    case EditCode::MoveOut:
        return QStringLiteral("Move Out");
    case EditCode::MoveIn:
        return QStringLiteral("Move In");
    default:
        break;
    }
    return {};
}

bool startsLikeNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return false;
    }
    const QChar first = trimmed.front();
    return first.isDigit() || first == u'.' || first == u'-' || first == u'+';
}

// Asks for the amount (0 to 5 inches) until it is valid; false when cancelled.
bool askAmount(const QString &verb, Platform &platform, QWidget *parent, double &amount)
{
    const QString title = verb + QStringLiteral(" All Measurements");
    const QString prompt = QStringLiteral("Enter the amount to ") + verb
        + QStringLiteral(" all measurements (a number from 0 to 5).\r\rThis will change several "
                         "measurements.  If you are not sure of this, click on 'Cancel'.");
    for (;;) {
        const QString reply = platform.inputText(parent, title, prompt, QStringLiteral(" "));
        // Cancel, an untouched blank default, and text that is no number all end the command.
        if (!startsLikeNumber(reply)) {
            return false;
        }
        const double value = readNumber(reply.toStdString());
        if (value >= 0 && value <= 5) {
            amount = value;
            return true;
        }
        platform.message(parent, kTitle,
            QStringLiteral("The value should be between 0 and 5.  Try again, or click on Cancel."),
            MessageButtons::Ok, MessageIcon::Exclamation);
    }
}

void shift(BoxTexts &texts, int entry, double delta)
{
    QString &text = texts[std::size_t(entry)];
    if (text.trimmed().isEmpty()) {
        return;
    }
    const double value = readNumber(text.toStdString()) + delta;
    text = QString::fromStdString(formatPicture(value, "#####.####"));
}

// Moves rows 0..5: each side's X (column 0) or Height (column 1) by its own delta.
void shiftPoints(BoxTexts &texts, int column, double rightDelta, double leftDelta)
{
    for (int side = 0; side < 2; ++side) {
        for (int row = 0; row < 6; ++row) {
            shift(texts, side * 16 + column * 8 + row, side == 0 ? rightDelta : leftDelta);
        }
    }
}

void copySide(BoxTexts &texts, int fromSide)
{
    const int offset = fromSide == 0 ? 16 : -16;
    const int first = fromSide == 0 ? 0 : 16;
    for (int entry = first; entry < first + 16; ++entry) {
        texts[std::size_t(entry + offset)] = texts[std::size_t(entry)];
    }
    static constexpr int kRightOther[] = { 35, 38, 40, 41, 42 };
    for (int right : kRightOther) {
        const int left = right + 11;
        if (fromSide == 0) {
            texts[std::size_t(left)] = texts[std::size_t(right)];
        } else {
            texts[std::size_t(right)] = texts[std::size_t(left)];
        }
    }
}

} // namespace

QString editMenuText(EditCode code)
{
    switch (code) {
    case EditCode::Raise:
        return QStringLiteral("Raise All Measurements");
    case EditCode::Lower:
        return QStringLiteral("Lower All Measurements");
    case EditCode::MoveLeft:
        return QStringLiteral("Move All Points Left");
    case EditCode::MoveRight:
        return QStringLiteral("Move All Points Right");
    case EditCode::MoveOut:
        return QStringLiteral("Move All Points Out (wider track)");
    case EditCode::MoveIn:
        return QStringLiteral("Move All Points In (narrower track)");
    case EditCode::CenterOnTrack:
        return QStringLiteral("Center Based On Track");
    case EditCode::CopyRightToLeft:
        return QStringLiteral("Copy All Right Measurements to Left Side");
    case EditCode::CopyLeftToRight:
        return QStringLiteral("Copy All Left Measurements to Right Side");
    }
    return {};
}

bool runEditCommand(EditCode code, BoxTexts &texts, double rightHalfTrack, double leftHalfTrack,
    Platform &platform, QWidget *parent)
{
    switch (code) {
    case EditCode::CopyRightToLeft:
        copySide(texts, 0);
        return true;
    case EditCode::CopyLeftToRight:
        copySide(texts, 1);
        return true;
    case EditCode::CenterOnTrack: {
        if (rightHalfTrack == 0 || leftHalfTrack == 0) {
            platform.message(parent, kTitle,
                QStringLiteral("One of the current Tracks is 0, so centering based "
                               "on 'Tracks' is not possible."),
                MessageButtons::Ok, MessageIcon::Exclamation);
            return false;
        }
        const double c = (leftHalfTrack - rightHalfTrack) / 2;
        shiftPoints(texts, 0, c, -c);
        return true;
    }
    default:
        break;
    }
    double d = 0;
    if (!askAmount(verbOf(code), platform, parent, d)) {
        return false;
    }
    switch (code) {
    case EditCode::Raise:
        shiftPoints(texts, 1, d, d);
        break;
    case EditCode::Lower:
        shiftPoints(texts, 1, -d, -d);
        break;
    case EditCode::MoveLeft:
        shiftPoints(texts, 0, -d, d);
        break;
    case EditCode::MoveRight:
        shiftPoints(texts, 0, d, -d);
        break;
    case EditCode::MoveOut:
        shiftPoints(texts, 0, d, d);
        break;
    case EditCode::MoveIn:
        shiftPoints(texts, 0, -d, -d);
        break;
    default:
        break;
    }
    return true;
}

} // namespace tarvik::gui
