// The calculation window's pictures, one per mode, opened over the worked
// example as the main window's commands open them and filled in as a user
// would: standard shims on the right side, the shims found for a target
// camber, a coil spring sent to both sides, a camber-gain definition of its
// own, and the table specs as the shipped settings hold them.
#include "core/calc/calcdefinition.h"
#include "core/layout/entrynumbers.h"
#include "gui/calc/calcopener.h"
#include "gui/calc/calcwindow.h"
#include "gui/calc/shimtargetframe.h"
#include "shots.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>

namespace tarvik::screenshots {

namespace {

void waitActive(QWidget *window)
{
    window->activateWindow();
    QElapsedTimer timer;
    timer.start();
    while (!window->isActiveWindow() && timer.elapsed() < 2000) {
        QApplication::processEvents();
    }
}

// A list chosen with the mouse.
void choose(gui::CalcWindow &window, int row, int index)
{
    QComboBox *list = window.findChild<QComboBox *>(QStringLiteral("CalcCombo%1").arg(row));
    list->setFocus(Qt::MouseFocusReason);
    list->setCurrentIndex(index);
    emit list->activated(index);
    QApplication::processEvents();
}

// A box typed into and left with Tab.
void type(gui::CalcWindow &window, QLineEdit *box, const QString &text)
{
    box->setFocus(Qt::TabFocusReason);
    box->setText(text);
    window.findChild<QPushButton *>(QStringLiteral("CalcAccept"))->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

void type(gui::CalcWindow &window, int row, const QString &text)
{
    type(window, window.findChild<QLineEdit *>(QStringLiteral("CalcData%1").arg(row)), text);
}

QImage calcWindow(ShotContext &context, CalcMode mode, int side,
    const std::function<void(gui::CalcWindow &)> &fill = {})
{
    MainScene scene(context.data, QStringLiteral("WORKED.TK"));
    gui::CalcOpener opener(scene.platform, scene.data, *scene.document, scene.settings);
    opener.setMainWindow(scene.window.get());
    gui::CalcWindow *window = opener.open(mode, side);
    if (!window) {
        return {};
    }
    waitActive(window);
    if (fill) {
        fill(*window);
    }
    return grabWindow(window);
}

const ShotRegistrar registrar({
    { QStringLiteral("calc-shims"),
        QStringLiteral("the shim calculator: two 1/16 in and one 1/8 in shim on the right side"),
        [](ShotContext &c) {
            return calcWindow(c, CalcMode::Shim, kSideRight, [](gui::CalcWindow &w) {
                choose(w, 2, 1);
                choose(w, 3, 2);
                choose(w, 4, 1);
            });
        } },
    { QStringLiteral("calc-shims-target"),
        QStringLiteral("the shim calculator finding the shims for -1.5 degrees on the right side"),
        [](ShotContext &c) {
            return calcWindow(c, CalcMode::Shim, kSideRight, [](gui::CalcWindow &w) {
                auto *target = w.findChild<gui::ShimTargetFrame *>();
                target->toggle()->click();
                type(w, target->box(), QStringLiteral("-1.5"));
            });
        } },
    { QStringLiteral("calc-spring"),
        QStringLiteral("the spring rate calculator: a coil spring for both sides"),
        [](ShotContext &c) {
            return calcWindow(c, CalcMode::Spring, -1, [](gui::CalcWindow &w) {
                choose(w, 1, 2);
                type(w, 3, QStringLiteral("0.5"));
                type(w, 4, QStringLiteral("3.5"));
                type(w, 5, QStringLiteral("10"));
            });
        } },
    { QStringLiteral("calc-gainspec"),
        QStringLiteral("the camber-gain definition: 2 in of dive and 1.5 degrees of roll"),
        [](ShotContext &c) {
            return calcWindow(c, CalcMode::GainSpec, -1, [](gui::CalcWindow &w) {
                choose(w, 1, 1);
                type(w, 2, QStringLiteral("2"));
                type(w, 3, QStringLiteral("1.5"));
            });
        } },
    { QStringLiteral("calc-tablespec"),
        QStringLiteral("the camber table's rows and columns with the preview of the table"),
        [](ShotContext &c) { return calcWindow(c, CalcMode::TableSpec, -1); } },
});

} // namespace

} // namespace tarvik::screenshots
