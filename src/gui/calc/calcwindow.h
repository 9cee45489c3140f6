// frmCalcData: the calculation window, a thin Qt window over the core's
// CalcSession (one class per mode). The session holds every rule (the rows of the definition,
// the modes' calculations, range checks, the questions of Accept and what
// Accept writes back); this window only lays the controls out from the
// definition, refreshes all of them from the session after each call, turns
// keys, focus changes and clicks into session calls, asks the session's
// questions through the Platform and applies its write-back to the layout
// document and the settings owner.
//
// Controls, by the old names: row k (1..10) has a caption (CalcSpec) and a
// numeric box (CalcData) or a choice list (Combo1); outputs j (0..2) a name
// (CalcOutName) and a value (CalcOutData); two input frames, the note frame,
// the print footer (Label2) and the buttons Cancel, Help, the accept button
// and Print. Object names follow them (CalcData3, CalcCombo2, CalcOutData0,
// CalcCancel, CalcHelp, CalcAccept, CalcPrint), by which the tests find them.
//
// The shim calculator also has the target camber frame (ShimTargetFrame)
// below its rows; its box follows the rows' box rules.
//
// The window closes itself when the user activates another window of the
// program, unless its help window is up. Its own message boxes, inputs and
// print dialog are not "another window": it counts the ones it opened and
// also looks up the parent chain of the window that took the activation.
#pragma once

#include "core/calc/calcsession.h"
#include "core/calc/shimcalc.h"

#include <QDialog>
#include <QPointer>
#include <array>
#include <memory>

class QComboBox;
class QGroupBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWindow;

namespace tarvik::gui {

class HelpWindow;
class LayoutDocument;
class Platform;
class SettingsOwner;
class ShimTargetFrame;

class CalcWindow : public QDialog
{
    Q_OBJECT
public:
    // session: opened on a definition (openCalcWindow); dataRoot holds
    // TKTEXT for the help pages.
    CalcWindow(Platform &platform, LayoutDocument &document, SettingsOwner &settings,
        const QString &dataRoot, std::unique_ptr<CalcSession> session, QWidget *parent = nullptr);
    ~CalcWindow() override;

    const CalcSession &session() const { return *m_session; }

    // Shows and activates the window, then the messages of its first
    // calculation.
    void start(const CalcFeedback &opening);

    bool isClosing() const { return m_closing; }

    // The commands of the four buttons.
    void acceptCommand();
    void cancelCommand();
    void helpCommand();
    void printCommand();
    // Closes without writing anything back (Cancel, deactivation, an opener).
    void closeWindow();

signals:
    // Accepted shim choices, to be offered again for that side.
    void shimChoicesAccepted(int side, const tarvik::ShimChoices &choices);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void reject() override; // Escape and the window's close button: Cancel

private:
    // The target camber box's number where the rows' numbers are used.
    static constexpr int kTargetRow = kCalcMaxInputRows + 1;

    struct Row
    {
        QLabel *caption = nullptr;
        QLineEdit *box = nullptr;
        QComboBox *choice = nullptr;
    };
    // Counts a dialog or command of this window's own while it runs, so the
    // activation it takes does not close the window.
    class OwnTurn
    {
    public:
        explicit OwnTurn(CalcWindow &window);
        ~OwnTurn();
        OwnTurn(const OwnTurn &) = delete;
        OwnTurn &operator=(const OwnTurn &) = delete;

    private:
        CalcWindow &m_window;
    };

    void build();
    void addRow(int k, QGridLayout *grid, int gridRow);
    void addTargetFrame(QLayout *column, int captionWidth);
    void refresh();
    int rowOf(const QObject *widget) const;
    QLineEdit *box(int k) const; // nullptr for a row the definition has not
    QGroupBox *frame(int f) const; // 1 or 2
    QLineEdit *editFor(int k) const; // row k's box, or the target box
    void choiceActivated(int k, int index);
    void targetSwitched(bool on);
    void leaveBox(int k);
    void queueFeedback(int k, const CalcFeedback &feedback);
    // Shows what leaving a box asked for; false when a value was refused.
    bool showPendingFeedback();
    void showFeedback(const CalcFeedback &feedback);
    // Takes a box still being typed in as left; false when it was refused.
    bool commitPending();
    void applyWriteBack(const CalcWriteBack &writeBack);
    QImage capturePage(const QString &comment);
    void focusWindowChanged(QWindow *now);
    bool isOwnWindow(QWindow *window) const;

    Platform &m_platform;
    LayoutDocument &m_document;
    SettingsOwner &m_settings;
    QString m_dataRoot;
    std::unique_ptr<CalcSession> m_session;
    ShimCalc *m_shim = nullptr; // the session, when it is the shim calculator

    std::array<Row, kCalcMaxInputRows + 1> m_rows {}; // [0] unused
    std::array<QLabel *, kCalcMaxOutputRows> m_outNames {};
    std::array<QLabel *, kCalcMaxOutputRows> m_outValues {};
    std::array<QGroupBox *, 2> m_frames {};
    QGroupBox *m_noteFrame = nullptr;
    QLabel *m_note = nullptr;
    QWidget *m_buttons = nullptr;
    QLabel *m_footer = nullptr;
    ShimTargetFrame *m_target = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_helpButton = nullptr;
    QPushButton *m_accept = nullptr;
    QPushButton *m_print = nullptr;
    QPointer<HelpWindow> m_help;

    bool m_refreshing = false;
    int m_visited = 0; // the row whose control the user entered last
    CalcFeedback m_pending; // what leaving a box asks to show, once events ran
    int m_pendingRow = 0;
    int m_ownTurns = 0;
    bool m_familyActive = false; // this window or one of its own had the activation
    bool m_closing = false;
};

} // namespace tarvik::gui
