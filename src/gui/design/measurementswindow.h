// Measurements... (on the camber table's menu bar): the camber read on the car, typed or pasted
// into a grid (dive, roll, right camber, left camber; a blank camber is not
// measured) or imported from a measurement file. Each edit is checked as a
// whole: a good grid becomes the measurement owner's set (and so the file
// beside the vehicle file, the camber table's measured rows and the fit's
// readings); a bad one keeps the set as it was and the status line says which
// row and why. The window also prints the measurement sheet.
//
// Object names: frmMeasurements; MeasurementsGrid, MeasurementsImport,
// MeasurementsPaste, MeasurementsDelete, MeasurementsPrint, MeasurementsClose,
// MeasurementsStatus.
#pragma once

#include <QWidget>
#include <memory>

class QLabel;
class QPrinter;
class QTableWidget;

namespace tarvik::gui {

class LayoutDocument;
class MeasurementOwner;
class Platform;

class MeasurementsWindow : public QWidget
{
    Q_OBJECT
public:
    MeasurementsWindow(Platform &platform, LayoutDocument &document, MeasurementOwner &owner,
        QWidget *parent = nullptr);
    ~MeasurementsWindow() override;

    QTableWidget *grid() const { return m_grid; }
    QLabel *status() const { return m_status; }

    void importCommand();
    // Rows from text (the clipboard's when text is null), added after the
    // rows typed.
    void pasteCommand(const QString *text = nullptr);
    void deleteCommand();
    void printSheetCommand();

private:
    void refill();
    void edited();
    // The grid's rows as pasted text, one line per grid row.
    QString gridText() const;
    void take(const QString &text);

    Platform &m_platform;
    LayoutDocument &m_document;
    MeasurementOwner &m_owner;
    std::unique_ptr<QPrinter> m_printer;
    QTableWidget *m_grid = nullptr;
    QLabel *m_status = nullptr;
    bool m_filling = false;
};

} // namespace tarvik::gui
