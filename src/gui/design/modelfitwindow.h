// Design > Fit Model to Measurements: the user ticks the pick-up point
// coordinates they are unsure of, each with a tolerance around its typed
// value (0.25 in, or 6 mm on a metric layout, at first), and starts the fit.
// The pick-up point optimizer moves only those, within their tolerances, to
// bring the model's camber closest to the readings of the measurement owner
// (root-mean-square residual). The window shows the residual before and
// after, each coordinate's move, and flags a coordinate that ended at its
// tolerance ("probably measured wrong by more than 0.25 in"). Apply writes
// the moves into the layout as one change, which Edit > Undo takes back.
//
// As in Find Pick-up Points, a change of the layout while the fit runs or
// before Apply makes the answer stale (Apply asks first); a new layout or
// other units discard it; closing stops a running fit.
//
// Object names: frmFitModel; FitCoordinates, FitStart, FitStop, FitApply,
// FitClose, FitReadings, FitResidualBefore, FitResidualAfter, FitMoves,
// FitStatus, FitMeasurements.
#pragma once

#include "core/design/modelfit.h"

#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace tarvik::gui {

class LayoutDocument;
class MeasurementOwner;
class OptimizerWorker;
class Platform;
class SettingsOwner;
struct LayoutChange;

class ModelFitWindow : public QWidget
{
    Q_OBJECT
public:
    ModelFitWindow(Platform &platform, LayoutDocument &document, SettingsOwner &settings,
        MeasurementOwner &measurements, std::function<void()> openMeasurements,
        QWidget *parent = nullptr);
    ~ModelFitWindow() override;

    QTableWidget *coordinates() const { return m_coordinates; }
    QTableWidget *moves() const { return m_moves; }
    QLabel *residualBefore() const { return m_before; }
    QLabel *residualAfter() const { return m_after; }
    QLabel *status() const { return m_status; }
    bool isRunning() const;
    bool hasAnswer() const { return m_answer.has_value(); }

    // Ticks a coordinate (by name) with a tolerance in typed units.
    void vary(const QString &name, double tolerance);
    void startCommand();
    void stopCommand();
    void applyCommand();

signals:
    void fitFinished();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void finished(const OptimizerResult &result);
    void followLayout(const LayoutChange &change);
    void refillCoordinates();
    void showReadings();
    void showAnswer();
    void updateButtons();

    Platform &m_platform;
    LayoutDocument &m_document;
    SettingsOwner &m_settings;
    MeasurementOwner &m_measurements;
    OptimizerWorker *m_worker = nullptr;
    QTimer m_poll;
    FitRequest m_request; // the fit running or last run
    std::optional<FitResult> m_answer;
    bool m_stale = false;
    bool m_replaced = false;

    QTableWidget *m_coordinates = nullptr;
    QSpinBox *m_timeLimit = nullptr;
    QLabel *m_readings = nullptr;
    QLabel *m_before = nullptr;
    QLabel *m_after = nullptr;
    QTableWidget *m_moves = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_start = nullptr;
    QPushButton *m_stop = nullptr;
    QPushButton *m_apply = nullptr;
};

} // namespace tarvik::gui
