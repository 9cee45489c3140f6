// The owner of the camber measured on the car: the one MeasurementSet the
// Measurements window edits and the camber table, graph and fit read. It
// follows the layout document's file: opening a vehicle file reads
// NAME.measured.csv beside it (none, or a refused one, leaves the set
// empty and says why in loadMessage()), a new layout empties it, and a
// layout saved under a new name takes its readings along. A change of the
// set is written beside the vehicle file at once (through a temporary file,
// so the previous file survives a failed write); an untitled layout keeps
// its readings in memory until it is saved.
#pragma once

#include "core/design/measurements.h"

#include <QObject>
#include <QString>

namespace tarvik::gui {

class LayoutDocument;
struct LayoutChange;

class MeasurementOwner : public QObject
{
    Q_OBJECT
public:
    explicit MeasurementOwner(LayoutDocument &document, QObject *parent = nullptr);

    const MeasurementSet &get() const { return m_set; }
    // The set from now on; false with the reason in message when it could
    // not be written beside the vehicle file (the set is taken all the same).
    bool set(const MeasurementSet &set, QString &message);
    // NAME.measured.csv of the current file, or empty for an untitled layout.
    QString filePath() const;
    // Why the file beside the vehicle file was not read ("" when it was, or
    // there is none).
    QString loadMessage() const { return m_loadMessage; }

signals:
    void changed();

private:
    void followLayout(const LayoutChange &change);
    void load();

    LayoutDocument &m_document;
    MeasurementSet m_set;
    QString m_loadMessage;
    QString m_file; // the vehicle file the set belongs to
};

} // namespace tarvik::gui
