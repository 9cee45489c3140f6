// The widget map for the end-to-end test; see widgetmap.h.
#include "gui/app/widgetmap.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSaveFile>
#include <QStatusBar>
#include <QWidget>

namespace tarvik::gui {

namespace {

// The text a widget shows, on one line.
QString shownText(const QWidget *widget)
{
    QString text;
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        text = label->text();
    } else if (const auto *edit = qobject_cast<const QLineEdit *>(widget)) {
        text = edit->text();
    } else if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        text = button->text();
    } else if (const auto *status = qobject_cast<const QStatusBar *>(widget)) {
        text = status->currentMessage();
    }
    for (QChar &c : text) {
        if (c == u'\t' || c == u'\n' || c == u'\r') {
            c = u' ';
        }
    }
    return text;
}

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
    // Joined, not formatted: a title or text may hold a "%1" of its own.
    return name + u'\t' + shownTitle(window) + u'\t'
        + QStringLiteral("%1 %2 %3 %4")
              .arg(origin.x())
              .arg(origin.y())
              .arg(widget->width())
              .arg(widget->height())
        + u'\t' + shownText(widget) + u'\n';
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
                    text += QStringLiteral("%1\t%2\t%3 %4 1 1\t\n")
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
    const QString text = QStringLiteral("serial\t%1\n").arg(++m_serial) + describe();
    QSaveFile file(m_path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text.toUtf8());
        file.commit();
    }
}

} // namespace tarvik::gui
