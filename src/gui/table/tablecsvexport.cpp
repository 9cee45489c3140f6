// The table window's CSV export; see tablecsvexport.h.
#include "gui/table/tablecsvexport.h"

#include "core/table/cambertable.h"
#include "core/table/tablecsv.h"
#include "gui/platform/platform.h"

#include <QDir>
#include <QSaveFile>

namespace tarvik::gui {

namespace {

void tell(Platform &platform, QWidget *parent, const QString &text)
{
    platform.message(parent, QString::fromLatin1(kExportCsvTitle), text, MessageButtons::Ok,
        MessageIcon::Exclamation);
}

} // namespace

QString exportTableCsv(
    Platform &platform, QWidget *parent, const CamberTable &table, const QString &folder)
{
    if (table.values.empty()) {
        tell(platform, parent, QStringLiteral("There is no table to export."));
        return {};
    }
    FileDialogRequest request;
    request.title = QString::fromLatin1(kExportCsvTitle);
    request.filter = QStringLiteral("CSV Files (*.csv);;All Files (*.*)");
    request.folder = folder;
    request.defaultSuffix = QStringLiteral("csv");
    request.fileName = QString::fromStdString(std::string(tableQuantityKey(table.quantity)))
        + QStringLiteral("-table.csv");
    const QString path = platform.saveFileName(parent, request);
    if (path.isEmpty()) {
        return {};
    }
    const std::string text = labelledTableCsv(table);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)
        || file.write(text.data(), static_cast<qint64>(text.size()))
            != static_cast<qint64>(text.size())
        || !file.commit()) {
        tell(platform, parent,
            QStringLiteral("The CSV file %1 could not be written: %2.")
                .arg(QDir::toNativeSeparators(path), file.errorString()));
        return {};
    }
    return path;
}

} // namespace tarvik::gui
