// Shipped-data lookup; see datafolder.h.
#include "gui/platform/datafolder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>

namespace tarvik::gui {

DataFolder DataFolder::locate(const QString &exeDir)
{
    const QStringList candidates = {
        exeDir + QStringLiteral("/data"),
        exeDir + QStringLiteral("/../share/tarvik"),
        QProcessEnvironment::systemEnvironment().value(QStringLiteral("TARVIK_DATA_DIR")),
    };
    for (const QString &candidate : candidates) {
        if (!candidate.isEmpty() && QFileInfo(candidate).isDir()) {
            return DataFolder(QDir(candidate).canonicalPath());
        }
    }
    return DataFolder(exeDir + QStringLiteral("/data"));
}

bool DataFolder::isValid() const
{
    return !m_root.isEmpty() && QFileInfo(m_root).isDir();
}

QString DataFolder::path(const QString &relativePath) const
{
    QString relative = relativePath;
    relative.replace(u'\\', u'/');
    const QStringList parts = relative.split(u'/', Qt::SkipEmptyParts);
    QDir dir(m_root);
    QString found = m_root;
    for (int index = 0; index < parts.size(); ++index) {
        const QString &part = parts[index];
        QString match;
        if (dir.exists(part)) {
            match = part;
        } else {
            const QStringList entries = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
            for (const QString &entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    match = entry;
                    break;
                }
            }
        }
        if (match.isEmpty()) {
            return m_root + u'/' + relative;
        }
        found += u'/' + match;
        dir.setPath(found);
    }
    return found;
}

} // namespace tarvik::gui
