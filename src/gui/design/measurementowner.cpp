// The measured camber beside the vehicle file; see measurementowner.h.
#include "gui/design/measurementowner.h"

#include "gui/document/layoutdocument.h"

#include <filesystem>

namespace tarvik::gui {

namespace {

std::filesystem::path pathOf(const QString &text)
{
    return std::filesystem::path(text.toStdString());
}

} // namespace

MeasurementOwner::MeasurementOwner(LayoutDocument &document, QObject *parent)
    : QObject(parent)
    , m_document(document)
{
    connect(&m_document, &LayoutDocument::layoutChanged, this, &MeasurementOwner::followLayout);
    load();
}

QString MeasurementOwner::filePath() const
{
    if (m_document.isUntitled() || m_document.currentFile().isEmpty()) {
        return {};
    }
    return QString::fromStdString(measurementFileFor(pathOf(m_document.currentFile())).string());
}

bool MeasurementOwner::set(const MeasurementSet &set, QString &message)
{
    m_set = set;
    m_loadMessage.clear();
    bool ok = true;
    if (const QString path = filePath(); !path.isEmpty()) {
        const WriteResult written = writeMeasurementFile(pathOf(path), m_set);
        ok = written.ok;
        message = QString::fromStdString(written.message);
    }
    emit changed();
    return ok;
}

void MeasurementOwner::followLayout(const LayoutChange &change)
{
    if (change.everything) {
        load(); // a new layout or a file read
        return;
    }
    if (change.file && m_document.currentFile() != m_file) {
        // Saved under another name: the readings go along with the layout.
        m_file = m_document.currentFile();
        if (!m_set.rows.empty() && !filePath().isEmpty()) {
            writeMeasurementFile(pathOf(filePath()), m_set);
        }
    }
}

void MeasurementOwner::load()
{
    m_file = m_document.currentFile();
    m_set = {};
    m_loadMessage.clear();
    if (const QString path = filePath(); !path.isEmpty()) {
        const MeasurementReadResult read = readMeasurementFile(pathOf(path));
        if (read.ok) {
            m_set = read.set;
        } else if (read.found) {
            m_loadMessage = QString::fromStdString(read.message);
        }
    }
    emit changed();
}

} // namespace tarvik::gui
