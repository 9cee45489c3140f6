// frmTK: the main window. It owns the current layout (the spec record, the
// suspension type, units flag, comment, current file and changed flag),
// shows it in the input grid, runs the geometry engine on every redraw
// request and paints the result, and carries the File, Edit, Options,
// Suspension Type, Shim, Comments and Help menus. Every question it asks
// goes through the Platform so tests can drive it with scripted answers.
#pragma once

#include "core/geometry/engine.h"
#include "gui/platform/datafolder.h"
#include "gui/app/specheaders.h"
#include "gui/app/vehiclefolders.h"
#include "gui/mainwin/editcommand.h"
#include "gui/mainwin/inputvalidator.h"
#include "core/support/introhelp.h"

#include <QMainWindow>
#include <QPointer>
#include <QPrinter>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace tarvik::gui {

class CommentsDialog;
class DiveRollPanel;
class FrontView;
class OtherDimensionsPanel;
class Platform;
class SpecGrid;

// The program-wide settings the main window reads and changes; start-up
// fills them from the settings file and shut-down writes them back.
struct MainOptions
{
    int unitsFlag = 0;
    int entryMode = 0; // 0 X and Height, 1 length and angle
    bool extensionLines = true;
    bool darkGrayBackground = false;
    bool camberOption = false; // camber changes with new inputs
    int gainSpecChoice = 0; // camber-gain basis flag
    QString gainDiveText;
    QString gainRollText;
    IntroHelpFlags introFlags;
};

// What the main window asks of the rest of the program.
struct MainWindowHooks
{
    // Shows intro message kind; its check box is recorded into flags.
    std::function<void(int kind, IntroHelpFlags &flags)> showIntro;
    std::function<void()> showHelp;
    // Called once the exit path has decided to leave: write the settings.
    std::function<void(const MainOptions &)> writeSettings;
    // Ends the program once the main window has closed.
    std::function<void()> quit;
};

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(Platform &platform, const DataFolder &data, const MainOptions &options,
        bool extendedRoll, MainWindowHooks hooks = {}, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Layout state.
    const SpecRecord &record() const { return m_record; }
    bool isChanged() const { return m_changed; }
    QString currentFile() const { return m_currentFile; }
    QString fileTitle() const;
    QString comment() const { return m_comment; }
    void setComment(const QString &comment);
    int suspensionType() const { return m_suspensionType; }
    int lastEditedEntry() const { return m_lastEditedEntry; }
    const MainOptions &options() const { return m_options; }
    bool applyDiveRoll() const { return m_applyDiveRoll; }
    bool isBig() const { return m_big; }
    int activationCount() const { return m_activations.count(); }
    IntroHelpFlags &introFlags() { return m_options.introFlags; }
    const EngineOutput &lastOutput() const { return m_output; }
    VehicleFolders &vehicleFolders() { return m_folders; }

    // Widgets, by entry number and by role, for the other windows and tests.
    QLineEdit *box(int entry) const;
    QLabel *resultDisplay(int entry) const;
    QLabel *trackDisplay(int index) const;
    QLabel *kingPinDisplay(int side) const;
    QLabel *spindleDisplay(int side) const;
    QString helpText() const;
    QWidget *helpBox() const; // the " Help (definition)" frame
    QString helpFrameTitle() const;
    SpecGrid *grid() const { return m_grid; }
    DiveRollPanel *diveRollPanel() const { return m_panel; }
    OtherDimensionsPanel *otherDimensionsPanel() const { return m_otherDimensions; }
    FrontView *frontView() const { return m_view; }
    QAction *action(const QString &objectName) const;
    QMenu *shimMenu() const { return m_shimMenu; }
    CommentsDialog *commentsDialog() const;

    // File commands. The save commands return false when nothing was written.
    bool openFile(const QString &path); // reads without asking; false on a refused file
    void fileNew();
    void fileOpen();
    bool fileSave();
    bool fileSaveAs();
    bool exitCommand(); // false when the user stayed
    void printReport();
    void printWorksheet();
    void printSetup();

    void doEdit(EditCode code);
    void setEntryMode(int mode);
    void chooseUnits(bool metric);
    void setExtensionLines(bool on);
    void setDarkGrayBackground(bool dark);
    void setCamberOption(bool changes);
    void setSuspensionType(int type);
    void restartIntroMessages();
    void showComments();

    void spin(int entry, bool increase);
    void setApplyDiveRoll(bool applied);
    void toggleBig();

    // The one way to update the picture and results. keepCamberFollows is
    // set only after an accepted edit.
    void requestRedraw(bool keepCamberFollows = false);
    void activated(); // activation count, refresh, the tenth-activation message
    void activationRefresh();
    void deactivationStore();
    void loadFieldDefinitions();

signals:
    // The window is set up as the printed page and is about to be captured.
    void pageCapturing();
    // A redraw request ran the engine and showed its results.
    void redrawn();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildWidgets();
    void buildMenus();
    void updateMenuChecks();
    void updateCaption();
    void refreshPanel();
    void showHelpText(const QString &text);
    void boxFocused(int entry);
    void validateBox(int entry);
    void commitPendingEdit();
    void resultClicked(int line);
    void applyOutput();
    void fillBoxesFromRecord();
    void syncFocusedRestoreValue();
    void clearLayout();
    bool saveTo(const QString &path);
    bool writeFailed(const QString &message);
    QString tkfilesFolder() const;
    QImage windowImage();
    void showResolutionWarning();
    int entryOf(QObject *object) const;

    Platform &m_platform;
    DataFolder m_data;
    MainOptions m_options;
    bool m_extendedRoll = false;
    MainWindowHooks m_hooks;

    SpecRecord m_record;
    int m_suspensionType = 0;
    QString m_comment;
    QString m_currentFile = QStringLiteral("Untitled");
    VehicleFolders m_folders;
    bool m_changed = false;
    int m_lastEditedEntry = -1;
    int m_visitedEntry = -1; // the box the user entered last, until it is left
    QList<int> m_pendingValidations; // boxes left whose check waits for pending events

    InputValidator m_validator;
    std::array<QString, 16> m_resultNames {};
    bool m_camberFollowsEdit = false;
    bool m_validationHold = false;
    bool m_committing = false;
    bool m_pageSetUp = false; // the window shows a blank worksheet page
    bool m_applyDiveRoll = false;
    bool m_big = false;
    bool m_afterPrinting = false;
    bool m_extensionHintShown = false;
    bool m_exiting = false;
    ActivationCounter m_activations;
    bool m_resolutionWarningShown = false;
    std::array<std::string, 2> m_previousKingPin {};
    EngineOutput m_output;

    std::array<QLineEdit *, 56> m_boxes {};
    SpecGrid *m_grid = nullptr;
    DiveRollPanel *m_panel = nullptr;
    OtherDimensionsPanel *m_otherDimensions = nullptr;
    FrontView *m_view = nullptr;
    QGroupBox *m_helpFrame = nullptr;
    QLabel *m_help = nullptr;
    QLabel *m_note = nullptr;
    QWidget *m_bigNotes = nullptr; // the note and the return hint, beside the panels in Big
    QLabel *m_footer = nullptr;
    QPushButton *m_focusCatcher = nullptr;
    QWidget *m_inputSide = nullptr;
    QMenu *m_shimMenu = nullptr;
    QPointer<QDialog> m_comments;
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace tarvik::gui
