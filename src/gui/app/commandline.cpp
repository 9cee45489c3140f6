// Command-line parsing; see commandline.h.
#include "gui/app/commandline.h"

#include <QCommandLineParser>

namespace tarvik::gui {

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Front-suspension geometry calculator"));
    parser.addHelpOption();
    const QCommandLineOption configDir(QStringList { QStringLiteral("config-dir") },
        QStringLiteral("Folder for the settings file."), QStringLiteral("DIR"));
    QCommandLineOption screenshot(QStringLiteral("screenshot"), QString(), QStringLiteral("FILE"));
    QCommandLineOption big(QStringLiteral("big"));
    QCommandLineOption diveRoll(
        QStringLiteral("dive-roll"), QString(), QStringLiteral("DIVE,ROLL"));
    QCommandLineOption size(QStringLiteral("size"), QString(), QStringLiteral("WxH"));
    for (QCommandLineOption *hidden : { &screenshot, &big, &diveRoll, &size }) {
        hidden->setFlags(QCommandLineOption::HiddenFromHelp);
    }
    parser.addOptions({ configDir, screenshot, big, diveRoll, size });
    parser.addPositionalArgument(
        QStringLiteral("FILE"), QStringLiteral("Vehicle file to open."), QStringLiteral("[FILE]"));

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        result.error = parser.helpText();
        return result;
    }
    result.configDir = parser.value(configDir);
    result.screenshotFile = parser.value(screenshot);
    result.screenshotBig = parser.isSet(big);
    result.screenshotDiveRoll = parser.value(diveRoll);
    result.screenshotSize = parser.value(size);
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        result.error = QStringLiteral("Only one vehicle file can be opened.");
        return result;
    }
    if (!positional.isEmpty()) {
        result.vehicleFile = positional.constFirst();
    }
    return result;
}

} // namespace tarvik::gui
