// The main window's pictures: the worked example in the normal and the big
// drawing, under dive and roll, a strut car and an asymmetric car.
#include "core/layout/specrecord.h"
#include "shots.h"

namespace tarvik::screenshots {

namespace {

QImage mainWindow(ShotContext &context, const QString &example, bool big, bool diveRoll)
{
    MainScene scene(context.data, example);
    if (diveRoll) {
        scene.window->setApplyDiveRoll(true);
        scene.document->setEntries(
            { { Entry::dive(), QStringLiteral("1.5") }, { Entry::roll(), QStringLiteral("3") } });
    }
    if (big) {
        scene.window->toggleBig();
    }
    return grabWindow(scene.window.get());
}

const ShotRegistrar registrar({
    { QStringLiteral("worked-normal"), QStringLiteral("the main window on the worked example"),
        [](ShotContext &c) { return mainWindow(c, QStringLiteral("WORKED.TK"), false, false); } },
    { QStringLiteral("dive-roll"), QStringLiteral("1.5 in of dive and 3 degrees of roll"),
        [](ShotContext &c) { return mainWindow(c, QStringLiteral("WORKED.TK"), false, true); } },
    { QStringLiteral("worked-big"), QStringLiteral("the big drawing"),
        [](ShotContext &c) { return mainWindow(c, QStringLiteral("WORKED.TK"), true, false); } },
    { QStringLiteral("strut"), QStringLiteral("a McPherson strut car"),
        [](ShotContext &c) { return mainWindow(c, QStringLiteral("STRUT.TK"), false, false); } },
    { QStringLiteral("circle-track"), QStringLiteral("an asymmetric circle-track car"),
        [](ShotContext &c) { return mainWindow(c, QStringLiteral("CIRCLE.TK"), false, false); } },
});

} // namespace

} // namespace tarvik::screenshots
