// The main window's editing and output pictures: a point being dragged, the
// Edit menu's undo, the recent files, a metric layout, the print preview and
// an exported drawing.
#include "core/layout/entrynumbers.h"
#include "gui/common/windowimageprinter.h"
#include "gui/drawing/drawingfile.h"
#include "gui/mainwin/frontview.h"
#include "gui/mainwin/pointdragger.h"
#include "shots.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryDir>

namespace tarvik::screenshots {

namespace {

void mouse(QWidget *view, QEvent::Type type, QPointF at)
{
    QMouseEvent event(type, at, view->mapToGlobal(at), Qt::LeftButton,
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &event);
}

// The right upper frame pivot taken and moved up and outward, the button
// still down.
void dragPivot(MainScene &scene, bool release)
{
    gui::FrontView *view = scene.window->findChild<gui::FrontView *>();
    grabWindow(scene.window.get()); // laid out, so the points are where they show
    const QPointF start = scene.window->findChild<gui::PointDragger *>()->pointPosition(
        kSideRight, kUpperFramePivot);
    const QPointF end = start + QPointF(-18, -30);
    mouse(view, QEvent::MouseMove, start);
    mouse(view, QEvent::MouseButtonPress, start);
    for (int i = 1; i <= 6; ++i) {
        mouse(view, QEvent::MouseMove, start + (end - start) * i / 6.0);
    }
    if (release) {
        mouse(view, QEvent::MouseButtonRelease, end);
    }
}

QMenu *menuTitled(QMainWindow *window, const QString &title)
{
    for (QAction *action : window->menuBar()->actions()) {
        if (action->text() == title) {
            return action->menu();
        }
    }
    return nullptr;
}

// The window with open menus painted over it where they pop up.
QImage withMenus(QMainWindow *window, const std::vector<std::pair<QMenu *, QPoint>> &menus)
{
    QImage picture = grabWindow(window);
    QPainter painter(&picture);
    for (const auto &[menu, at] : menus) {
        menu->popup(window->mapToGlobal(at));
        QApplication::processEvents();
        painter.drawImage(at, menu->grab().toImage());
    }
    for (const auto &[menu, at] : menus) {
        menu->hide();
    }
    return picture;
}

QPoint below(QMainWindow *window, const QString &title)
{
    for (QAction *action : window->menuBar()->actions()) {
        if (action->text() == title) {
            const QRect r = window->menuBar()->actionGeometry(action);
            return window->menuBar()->mapTo(window, r.bottomLeft());
        }
    }
    return {};
}

QImage dragging(ShotContext &c)
{
    MainScene scene(c.data, QStringLiteral("WORKED.TK"));
    dragPivot(scene, false);
    return grabWindow(scene.window.get());
}

QImage undoMenu(ShotContext &c)
{
    MainScene scene(c.data, QStringLiteral("WORKED.TK"));
    dragPivot(scene, true);
    QMainWindow *window = scene.window.get();
    return withMenus(window,
        { { menuTitled(window, QStringLiteral("&Edit")),
            below(window, QStringLiteral("&Edit")) } });
}

QImage recentFiles(ShotContext &c)
{
    MainScene scene(c.data, QStringLiteral("WORKED.TK"));
    for (const char *name : { "STRUT.TK", "CIRCLE.TK", "WORKED.TK" }) {
        scene.folders.remember(c.data.path(QStringLiteral("tkfiles/") + QLatin1String(name)));
    }
    QMainWindow *window = scene.window.get();
    QMenu *file = menuTitled(window, QStringLiteral("&File"));
    auto *recent = file->findChild<QMenu *>(QStringLiteral("mnuRecent"));
    const QPoint at = below(window, QStringLiteral("&File"));
    file->popup(window->mapToGlobal(at));
    QApplication::processEvents();
    const QRect item = file->actionGeometry(recent->menuAction());
    const QPoint sub = at + QPoint(file->width() - 4, item.top());
    file->hide();
    return withMenus(window, { { file, at }, { recent, sub } });
}

QImage metric(ShotContext &c)
{
    MainScene scene(c.data, QStringLiteral("WORKED.TK"));
    scene.window->chooseUnits(Units::Metric);
    return grabWindow(scene.window.get());
}

QImage printPreview(ShotContext &c)
{
    MainScene scene(c.data, QStringLiteral("WORKED.TK"));
    const QImage page = grabWindow(scene.window.get());
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer);
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, [&](QPrinter *target) {
        gui::WindowImagePrinter::printPicture(*target, page, scene.window->windowTitle());
    });
    preview.resize(900, 700);
    preview.show();
    return grabWindow(&preview);
}

QImage exportedDrawing(ShotContext &c)
{
    MainScene scene(c.data, QStringLiteral("WORKED.TK"));
    scene.window->setApplyDiveRoll(true);
    scene.document->setEntries(
        { { Entry::dive(), QStringLiteral("1.5") }, { Entry::roll(), QStringLiteral("3") } });
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("front.png"));
    QString error;
    const gui::FrontView *view = scene.window->findChild<gui::FrontView *>();
    if (!gui::writeDrawingFile(
            file, QSize(1000, 560), view->scene(), view->captions(), false, error)) {
        return {};
    }
    return QImage(file);
}

const ShotRegistrar registrar({
    { QStringLiteral("drag-point"), QStringLiteral("a pick-up point dragged in the drawing"),
        dragging },
    { QStringLiteral("undo-menu"), QStringLiteral("the Edit menu's undo after a drag"), undoMenu },
    { QStringLiteral("recent-files"), QStringLiteral("File > Recent Files"), recentFiles },
    { QStringLiteral("metric"), QStringLiteral("the worked example in millimetres"), metric },
    { QStringLiteral("print-preview"), QStringLiteral("the print preview of the main report"),
        printPreview },
    { QStringLiteral("exported-drawing"), QStringLiteral("File > Export Drawing as PNG"),
        exportedDrawing },
});

} // namespace

} // namespace tarvik::screenshots
