// Design > Find Pick-up Points: the window over the pick-up point optimizer.
// The user picks targets and the coordinates that may move (the form starts
// from the layout as it stands), a time limit, and Start. The search runs on
// a thread of its own; a timer on this window's thread shows its stage, the
// engine calls, the time, the calls per second, the best error and each
// target's achieved value as it goes. Stop ends it with the best so far.
// "Prefer the smallest change" (on at first) takes, of the answers that meet
// the targets equally, the one nearest the layout.
// Once done the window lists the boxes the answer changes, old and new, with
// the total movement, and
// Apply writes them into the layout as one change, which Edit > Undo takes
// back.
//
// The layout is read and changed only through the layout document. A change
// of the layout while the search runs, or before its answer is applied,
// makes the answer stale: the window says so, and Apply asks before it
// writes an answer made for the layout as it was; a new layout or other
// units discard the answer. Closing the window stops a running search and
// waits for its thread.
//
// Object names: frmDesign; DesignStart, DesignStop, DesignApply, DesignClose,
// DesignTimeLimit, DesignPreferSmall, DesignStage, DesignEvaluations,
// DesignElapsed, DesignRate, DesignError, DesignChanges, DesignMovement,
// DesignStatus (and the panels' own).
#pragma once

#include "core/design/designform.h"

#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace tarvik::gui {

class DesignCoordinatesPanel;
class DesignTargetsPanel;
class LayoutDocument;
class OptimizerWorker;
class Platform;
class SettingsOwner;
struct LayoutChange;

class PickupOptimizerWindow : public QWidget
{
    Q_OBJECT
public:
    PickupOptimizerWindow(Platform &platform, LayoutDocument &document, SettingsOwner &settings,
        QWidget *parent = nullptr);
    ~PickupOptimizerWindow() override;

    DesignForm &form() { return *m_form; }
    bool isRunning() const;
    bool hasAnswer() const { return m_answer.has_value(); }
    bool isStale() const { return m_stale; }

    void startCommand();
    void stopCommand();
    void applyCommand();

signals:
    // A search ended and its answer (if any) is shown.
    void searchFinished();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void build();
    void poll();
    void finished(const OptimizerResult &result);
    void followLayout(const LayoutChange &change);
    void refreshFromLayout(bool afresh);
    void showAchieved(const std::vector<double> &achieved);
    void updateButtons();
    void say(const QString &text);

    Platform &m_platform;
    LayoutDocument &m_document;
    SettingsOwner &m_settings;
    std::unique_ptr<DesignForm> m_form;
    OptimizerWorker *m_worker = nullptr;
    QTimer m_poll;

    // The search: which target rows it scores, in its target order, and the
    // layout it started from.
    std::vector<std::size_t> m_runRows;
    LayoutState m_runLayout;
    std::optional<OptimizerResult> m_answer;
    std::vector<DesignChange> m_answerChanges;
    bool m_stale = false;
    bool m_replaced = false; // a new layout or other units while the search ran
    bool m_applying = false;

    DesignTargetsPanel *m_targets = nullptr;
    DesignCoordinatesPanel *m_coordinates = nullptr;
    QSpinBox *m_timeLimit = nullptr;
    QCheckBox *m_preferSmall = nullptr;
    QLabel *m_movement = nullptr;
    QPushButton *m_start = nullptr;
    QPushButton *m_stop = nullptr;
    QPushButton *m_apply = nullptr;
    QPushButton *m_close = nullptr;
    QLabel *m_stage = nullptr;
    QLabel *m_evaluations = nullptr;
    QLabel *m_elapsed = nullptr;
    QLabel *m_rate = nullptr;
    QLabel *m_error = nullptr;
    QPlainTextEdit *m_changes = nullptr;
    QLabel *m_status = nullptr;
};

} // namespace tarvik::gui
