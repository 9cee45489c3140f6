// The widget map for the end-to-end test; see widgetmap.h.
#include "gui/app/widgetmap.h"

#include <QApplication>
#include <QSaveFile>
#include <QWidget>

namespace tarvik::gui {

namespace {

// The title as the window manager shows it: "[*]" is "*" while the window
// holds unsaved changes and nothing otherwise.
QString shownTitle(const QWidget *window)
{
    QString title = window->windowTitle();
    return title.replace(
        QStringLiteral("[*]"), window->isWindowModified() ? QStringLiteral("*") : QString());
}

QString line(const QString &name, const QWidget *window, const QWidget *widget)
{
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    return QStringLiteral("%1\t%2\t%3 %4 %5 %6\n")
        .arg(name, shownTitle(window))
        .arg(origin.x())
        .arg(origin.y())
        .arg(widget->width())
        .arg(widget->height());
}

} // namespace

WidgetMap *WidgetMap::startFromEnvironment(QObject *parent)
{
    const QString path = qEnvironmentVariable("TARVIK_WIDGET_MAP");
    return path.isEmpty() ? nullptr : new WidgetMap(path, parent);
}

WidgetMap::WidgetMap(const QString &path, QObject *parent)
    : QObject(parent)
    , m_path(path)
{
    connect(&m_timer, &QTimer::timeout, this, &WidgetMap::write);
    m_timer.start(200);
}

QString WidgetMap::describe()
{
    QString text;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible()) {
            continue;
        }
        text += line(QStringLiteral("window"), window, window);
        for (QWidget *child : window->findChildren<QWidget *>()) {
            if (child->objectName().isEmpty() || child->isWindow() || !child->isVisible()) {
                continue;
            }
            text += line(child->objectName(), window, child);
            // Places inside a widget ("name x y", widget coordinates), such
            // as the points the front view lets a user drag.
            for (const QString &spot : child->property("mapSpots").toStringList()) {
                const QStringList parts = spot.split(u' ');
                if (parts.size() == 3) {
                    const QPoint at
                        = child->mapToGlobal(QPoint(parts[1].toInt(), parts[2].toInt()));
                    text += QStringLiteral("%1\t%2\t%3 %4 1 1\n")
                                .arg(parts[0], shownTitle(window))
                                .arg(at.x())
                                .arg(at.y());
                }
            }
        }
    }
    return text;
}

void WidgetMap::write()
{
    const QString text = describe();
    if (text == m_last) {
        return;
    }
    QSaveFile file(m_path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text.toUtf8());
        if (file.commit()) {
            m_last = text;
        }
    }
}

} // namespace tarvik::gui
