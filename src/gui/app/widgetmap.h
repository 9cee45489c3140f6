// Where the program's windows and named widgets are on the screen, written
// to a file for the end-to-end test, which drives the real program with real
// mouse and keyboard events and needs to know where to click. Only started
// when the TARVIK_WIDGET_MAP environment variable names the file; nothing
// else in the program reads it.
//
// Each line: "window" or the widget's object name, a tab, the title of the
// top-level window it belongs to, a tab, and its global x, y, width and
// height in pixels, then a tab and the text the widget shows (a label's,
// a box's or a button's text, a status bar's message; blanks for tabs and
// line breaks; empty for other widgets). Only visible widgets are listed.
// The first line, "serial", a tab and a number one higher at each writing
// (five times a second), tells the test that the program's event loop has
// come round since its last step. The file is replaced whole, so a reader
// never sees half of it.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace tarvik::gui {

class WidgetMap : public QObject
{
    Q_OBJECT
public:
    // Starts writing when the environment asks for it; returns nullptr otherwise.
    static WidgetMap *startFromEnvironment(QObject *parent);

    WidgetMap(const QString &path, QObject *parent);
    static QString describe(); // the text written

private:
    void write();

    QString m_path;
    qint64 m_serial = 0;
    QTimer m_timer;
};

} // namespace tarvik::gui
