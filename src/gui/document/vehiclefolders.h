// Where the open and save dialogs for vehicle files start, and what their
// sidebars offer.
//
// Both dialogs start in the folder last used for a vehicle file (opened or
// saved), remembered across runs in a small file of its own in the user's
// configuration folder, apart from the settings file's fixed records. Before
// anything was used, Open starts in the shipped examples and Save As in the
// user's own "Tarvik" folder under their documents, which is made when it is
// first needed. The sidebar offers both of those folders. The same small file
// keeps the last eight vehicle files used, for the File menu; files that no
// longer exist are left out.
#pragma once

#include <QString>
#include <QStringList>

namespace tarvik::gui {

class VehicleFolders
{
public:
    VehicleFolders() = default;
    // configDir empty: nothing is remembered across runs.
    VehicleFolders(const QString &configDir, const QString &examples, const QString &documents);

    QString openFolder() const;
    // Makes the user's own folder when it is the answer and does not exist yet.
    QString saveFolder() const;
    QStringList sidebar() const;
    QString userFolder() const;
    // A vehicle file was opened or saved: its folder is the last used one,
    // and the file heads the recent files.
    void remember(const QString &filePath);
    QStringList recentFiles() const; // newest first, existing files only
    static constexpr int kRecentFiles = 8;

private:
    QString lastUsed() const;

    QString m_stateFile;
    QString m_examples;
    QString m_documents;
    QString m_lastUsed;
    QStringList m_recent;
};

} // namespace tarvik::gui
