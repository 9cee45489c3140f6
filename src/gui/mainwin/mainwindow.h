// frmTK: the main window. Its input grid, dive-and-roll panel and front view
// are views of the layout document; its menus are commands on the document
// and the settings owner. File commands and printing have classes of their
// own (filecommands.h, mainprinting.h). Every question it asks goes through
// the Platform, so tests drive it with scripted answers.
#pragma once

#include "core/calc/calcdefinition.h"
#include "core/layout/editcommands.h"
#include "core/layout/entry.h"
#include "core/layout/layoutkinds.h"
#include "core/support/documentviewers.h"
#include "core/support/introhelp.h"
#include "gui/platform/datafolder.h"

#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class QPushButton;

namespace tarvik {
struct EngineOutput;
}

namespace tarvik::gui {

class DiveRollPanel;
class DrawingExport;
class EntryBoxes;
class FileCommands;
class FrontView;
class LayoutDocument;
class MainMenus;
class MainPrinting;
class OtherDimensionsPanel;
class PointDragger;
class Platform;
class SettingsOwner;
class SpecGrid;
class VehicleFolders;
struct LayoutChange;

// What the main window asks of the rest of the program: the other windows it
// opens and the program-wide steps of leaving. A command whose hook is not
// set is disabled.
struct MainWindowHooks
{
    std::function<void()> showHelp;
    std::function<void()> openTable; // "Table & Graph"
    std::function<void()> openDesign; // "Design > Find Pick-up Points..."
    std::function<void()> openFit; // "Design > Fit Model to Measurements..."
    // The calculation window in a mode (shims, camber-gain definition,
    // spring rate); shimSide kSideRight or kSideLeft for the shims.
    std::function<void(CalcMode mode, int shimSide)> openCalc;
    std::function<void(OutsideDocument document)> showDocument;
    // Called once the exit path has decided to leave: write the settings.
    std::function<void()> writeSettings;
    // Ends the program once the main window has closed.
    std::function<void()> quit;
};

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow(Platform &platform, const DataFolder &data, SettingsOwner &settings,
        LayoutDocument &document, VehicleFolders &folders, bool extendedRoll,
        MainWindowHooks hooks = {}, QWidget *parent = nullptr);
    ~MainWindow() override;

    LayoutDocument &document() const { return m_document; }
    SettingsOwner &settings() const { return m_settings; }
    FileCommands &files() const { return *m_files; }
    MainPrinting &printing() const { return *m_printing; }
    bool isBig() const { return m_big; }
    int activationCount() const { return m_activations.count(); }

    // Widgets the printing sets up as the printed page.
    QLabel *helpLabel() const { return m_help; }
    QGroupBox *helpBox() const { return m_helpFrame; }
    QLabel *footer() const { return m_footer; }
    SpecGrid *grid() const { return m_grid; }
    EntryBoxes &boxes() const { return *m_boxes; }
    QAction *action(const QString &objectName) const;

    void doEdit(EditCode code);
    void setEntryMode(EntryMode mode);
    void chooseUnits(Units units);
    void setExtensionLines(bool on);
    void setDarkGrayBackground(bool dark);
    void setCamberOption(bool changes);
    void setSuspensionType(SuspensionType type);
    void restartIntroMessages();
    void showComments();
    void spin(Entry entry, bool increase);
    void setApplyDiveRoll(bool applied);
    void toggleBig();
    bool exitCommand(); // false when the user stayed
    bool exportDrawing(); // File > Export Drawing

    // Checks text still being typed in a box before a command uses it;
    // false when the text was refused (the user was told, the box restored).
    bool commitPendingEdit();
    void activated(); // activation count, refresh, the tenth-activation message
    void activationRefresh();
    void loadFieldDefinitions();

signals:
    // The window is set up as the printed page and is about to be captured.
    void pageCapturing();

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // A vehicle file dropped on the window opens, after the save question.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildWidgets();
    QLineEdit *box(Entry entry) const;
    void refreshPanel();
    void showHelpText(const QString &text);
    // The help box shows the definition of entry, in the units and for the
    // suspension type the layout has.
    void showFieldHelp(Entry entry);
    void showBoxHelp(Entry entry); // F1 in an input box
    void resultClicked(int line);
    void followLayout(const LayoutChange &change);
    void showSolve(const EngineOutput &output);
    void showResolutionWarning();

    Platform &m_platform;
    DataFolder m_data;
    SettingsOwner &m_settings;
    LayoutDocument &m_document;
    bool m_extendedRoll = false;
    MainWindowHooks m_hooks;

    std::array<QString, 16> m_resultNames {};
    bool m_big = false;
    bool m_extensionHintShown = false;
    bool m_exiting = false;
    ActivationCounter m_activations;
    bool m_resolutionWarningShown = false;

    EntryBoxes *m_boxes = nullptr;
    SpecGrid *m_grid = nullptr;
    DiveRollPanel *m_panel = nullptr;
    OtherDimensionsPanel *m_otherDimensions = nullptr;
    FrontView *m_view = nullptr;
    QGroupBox *m_helpFrame = nullptr;
    QLabel *m_help = nullptr;
    std::optional<Entry> m_helpEntry; // the entry whose definition the help box shows
    QLabel *m_note = nullptr;
    QWidget *m_bigNotes = nullptr; // the note and the return hint, beside the panels in Big
    QLabel *m_footer = nullptr;
    QPushButton *m_focusCatcher = nullptr;
    MainMenus *m_menus = nullptr;
    PointDragger *m_dragger = nullptr;
    QPointer<QDialog> m_comments;
    std::unique_ptr<FileCommands> m_files;
    std::unique_ptr<MainPrinting> m_printing;
    std::unique_ptr<DrawingExport> m_drawingExport;
};

} // namespace tarvik::gui
