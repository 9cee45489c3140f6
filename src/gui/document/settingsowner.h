// The one owner of the program's settings: the core Settings object with all
// 258 records of the settings file (modes, camber-gain definition, table
// spec, baseline, graph options, intro flags, viewer paths). Windows read it
// and change it through here; every change is announced, and the exit path
// writes all of it, so a baseline saved in the table window or a graph option
// survives a restart like the main window's modes.
#pragma once

#include "core/layout/settings.h"
#include "core/layout/textfile.h"

#include <QObject>
#include <QString>

namespace tarvik::gui {

class SettingsOwner : public QObject
{
    Q_OBJECT
public:
    explicit SettingsOwner(QObject *parent = nullptr);
    explicit SettingsOwner(const Settings &settings, QObject *parent = nullptr);

    const Settings &get() const { return m_settings; }
    // Changes the settings in one step and announces it.
    template <class Change> void change(Change &&apply)
    {
        apply(m_settings);
        emit changed();
    }

    // The settings file: read replaces everything (a missing or short file
    // leaves start values, as the file format says); false when unreadable.
    bool read(const QString &path);
    WriteResult write(const QString &path) const;

signals:
    void changed();

private:
    Settings m_settings;
};

} // namespace tarvik::gui
