// The settings owner; see settingsowner.h.
#include "gui/document/settingsowner.h"

#include "core/layout/settingsfile.h"

namespace tarvik::gui {

SettingsOwner::SettingsOwner(QObject *parent)
    : QObject(parent)
{
}

SettingsOwner::SettingsOwner(const Settings &settings, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
{
}

bool SettingsOwner::read(const QString &path)
{
    const SettingsReadResult result = readSettingsFile(path.toStdString());
    m_settings = result.settings;
    emit changed();
    return result.found;
}

WriteResult SettingsOwner::write(const QString &path) const
{
    return writeSettingsFile(path.toStdString(), m_settings);
}

} // namespace tarvik::gui
