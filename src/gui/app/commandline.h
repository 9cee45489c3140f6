// The program's command line: tarvik [--config-dir DIR] [FILE].
// --config-dir puts the settings file in DIR instead of the user's
// configuration folder (tests, portable use); FILE is a vehicle file opened
// at start. The hidden --screenshot FILE option (with --big and
// --dive-roll DIVE,ROLL) saves the main window's image after start-up and
// quits (--size WxH sets the window size); it makes the pictures of the
// manual reproducible.
#pragma once

#include <QString>
#include <QStringList>

namespace tarvik::gui {

struct CommandLine
{
    QString configDir; // empty: the user's configuration folder
    QString vehicleFile; // empty: start with an untitled layout
    QString screenshotFile;
    bool screenshotBig = false;
    QString screenshotDiveRoll; // "DIVE,ROLL"
    QString screenshotSize; // "WIDTHxHEIGHT" of the window, 1280x760 when empty
    QString error; // non-empty when the arguments could not be used
};

CommandLine parseCommandLine(const QStringList &arguments);

} // namespace tarvik::gui
