// "Export CSV...": the table as the window shows it (labelledTableCsv: the
// quantity and the axes, then the right and the left grid under their names,
// baseline and difference rows included, CR LF line ends) in a file the user
// names. The file is replaced whole or
// not at all (QSaveFile); a failed write says so, naming the file and the
// reason. The name offered is the quantity's ("camber-table.csv",
// "rc-height-table.csv"); the dialog adds ".csv" to a name typed without an
// extension.
#pragma once

#include <QString>

class QWidget;

namespace tarvik {
struct CamberTable;
}

namespace tarvik::gui {

class Platform;

// The dialog title and the message titles of the export.
inline constexpr const char *kExportCsvTitle = "Export CSV";

// The written file's path, or empty when nothing was written (no table,
// the dialog cancelled, or the write failed and was reported). folder: where
// the dialog starts.
QString exportTableCsv(
    Platform &platform, QWidget *parent, const CamberTable &table, const QString &folder);

} // namespace tarvik::gui
