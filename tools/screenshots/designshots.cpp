// The pick-up point window's picture: opened over the worked example, a
// roll centre height of 2 in and a camber gain of -1.2 degrees per inch
// asked for with the three arm-end heights of both sides free, and the
// search run to its end, ready to apply.
#include "core/design/designform.h"
#include "core/layout/entrynumbers.h"
#include "gui/design/pickupoptimizerwindow.h"
#include "shots.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QThread>

namespace tarvik::screenshots {

namespace {

// A row's widget of the window's panels, by its object name and number.
template <class T> T *named(const QWidget &window, const char *stem, int n)
{
    return window.findChild<T *>(QString::fromLatin1(stem) + QString::number(n));
}

void setText(QLineEdit *box, const QString &text)
{
    box->setText(text);
    emit box->textEdited(text);
}

QImage designWindow(ShotContext &context)
{
    MainScene scene(context.data, QStringLiteral("WORKED.TK"));
    gui::PickupOptimizerWindow window(
        scene.platform, *scene.document, scene.settings, scene.window.get());
    window.show();
    named<QCheckBox>(window, "DesignUse", 0)->setChecked(true);
    setText(named<QLineEdit>(window, "DesignValue", 0), QStringLiteral("2"));
    named<QCheckBox>(window, "DesignUse", 2)->setChecked(true);
    setText(named<QLineEdit>(window, "DesignValue", 2), QStringLiteral("-1.2"));
    for (const PointRow row : { kUpperBallJoint, kUpperFramePivot, kLowerFramePivot }) {
        const Entry height = Entry::coordinate(kSideRight, row, kColumnHeight);
        named<QCheckBox>(window, "DesignFree", height.number())->setChecked(true);
    }
    window.startCommand();
    QElapsedTimer timer;
    timer.start();
    while (window.isRunning() && timer.elapsed() < 60000) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    QApplication::processEvents();
    return grabWindow(&window);
}

const ShotRegistrar registrar({
    { QStringLiteral("design-pickups"),
        QStringLiteral("Find Pick-up Points: roll centre height 2 in and camber gain -1.2 deg/in "
                       "from the three arm-end heights"),
        designWindow },
});

} // namespace

} // namespace tarvik::screenshots
