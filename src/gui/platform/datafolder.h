// Where the program's shipped data lives and how files in it are found.
// The data folder holds TKTEXT/, CALC/, tkfiles/ and the default settings
// file. In a build tree it is the "data" folder next to the executable;
// installed, it is share/tarvik beside the bin folder. Names are looked up
// without regard to case, one path component at a time, since the shipped
// names mix cases ("TKTEXT/OUTHELP.TXT", "tktext/help.txt").
#pragma once

#include <QString>

namespace tarvik::gui {

class DataFolder
{
public:
    DataFolder() = default;
    explicit DataFolder(const QString &root)
        : m_root(root)
    {
    }

    // The data folder for an executable in exeDir: exeDir/data, then
    // exeDir/../share/tarvik, then the TARVIK_DATA_DIR environment value.
    static DataFolder locate(const QString &exeDir);

    const QString &root() const { return m_root; }
    bool isValid() const;

    // The existing file or folder matching relativePath ("TKTEXT/help.txt")
    // case-insensitively; when none exists, root + "/" + relativePath.
    QString path(const QString &relativePath) const;

private:
    QString m_root;
};

} // namespace tarvik::gui
