// Widgets found as the end-to-end map finds them: by their object name
// within a window. A name that is missing, or held by more than one widget
// of the type asked for, fails the test at the line that asked, naming the
// widget and the window.
#pragma once

#include <QObject>
#include <QString>
#include <QTest>
#include <QWidget>
#include <exception>
#include <source_location>

namespace tarvik::gui::testing {

// Thrown after the failure is recorded, so the test stops there instead of
// using a null widget; Qt Test reports it and ends the run.
struct MissingWidget : std::exception
{
    const char *what() const noexcept override { return "widget not found by its object name"; }
};

// An empty name finds the one child of type T, whatever its name.
template <class T = QWidget>
T *child(const QObject *parent, const QString &name = QString(),
    std::source_location where = std::source_location::current())
{
    const QList<T *> found = parent != nullptr ? parent->findChildren<T *>(name) : QList<T *>();
    if (found.size() == 1) {
        return found.front();
    }
    const QString owner = parent == nullptr ? QStringLiteral("no window")
                                            : QString::fromLatin1(parent->metaObject()->className())
            + QStringLiteral(" \"") + parent->objectName() + u'"';
    const QString message
        = QStringLiteral("%1 %2 named \"%3\" in %4")
              .arg(found.isEmpty() ? QStringLiteral("no") : QStringLiteral("more than one"),
                  QString::fromLatin1(T::staticMetaObject.className()), name, owner);
    QTest::qFail(qPrintable(message), where.file_name(), int(where.line()));
    throw MissingWidget();
}

template <class T = QWidget>
T *child(const QObject *parent, const char *name,
    std::source_location where = std::source_location::current())
{
    return child<T>(parent, QString::fromLatin1(name), where);
}

} // namespace tarvik::gui::testing
