// Every GUI test ends with no top-level window of its own left: a window a
// test leaves shown, or one nobody deletes, would take the activation, the
// focus or the screen position the next test expects. Each test class calls
// failOnLeftoverWindows() from its cleanup().
#pragma once

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace tarvik::gui::testing {

// Fails the test that just ran when a top-level window is still there once
// its pending events and deletions have run, naming each; then closes and
// deletes them, so the tests after it start clean.
inline void failOnLeftoverWindows()
{
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<QPointer<QWidget>> left;
    QStringList names;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        // A popup or dialog whose owning window is still there is that window's.
        if (window->parentWidget() != nullptr && !window->isVisible()) {
            continue;
        }
        left << window;
        names << QStringLiteral("%1 \"%2\" (%3%4)")
                     .arg(QString::fromLatin1(window->metaObject()->className()),
                         window->objectName(), window->windowTitle(),
                         window->isVisible() ? QStringLiteral(", shown") : QString());
    }
    for (const QPointer<QWidget> &window : left) {
        if (window) {
            window->close();
            delete window.data();
        }
    }
    if (!names.isEmpty()) {
        QTest::qFail(qPrintable(QStringLiteral("the test left %1 top-level window(s): %2")
                                    .arg(names.size())
                                    .arg(names.join(QStringLiteral("; ")))),
            __FILE__, __LINE__);
    }
}

} // namespace tarvik::gui::testing
