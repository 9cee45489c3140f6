// Pick-up point drags in the front view; see pointdragger.h.
#include "gui/mainwin/pointdragger.h"

#include "core/geometry/frontviewscene.h"
#include "core/layout/entrynumbers.h"
#include "core/layout/pointdrag.h"
#include "core/layout/units.h"
#include "gui/document/layoutdocument.h"
#include "gui/document/settingsowner.h"
#include "gui/drawing/frontviewpainter.h"
#include "gui/mainwin/frontview.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <array>
#include <cmath>

namespace tarvik::gui {

namespace {

// A point is under the pointer within its drawn circle, and never less than
// this many pixels from its centre.
constexpr double kMinimumGrabPx = 7.0;
constexpr double kPickupRadiusIn = 0.4;

const LayoutPoint &rowPoint(const SideSolution &side, int row)
{
    const std::array<const LayoutPoint *, 6> points = { &side.upperBallJoint, &side.upperFramePivot,
        &side.lowerBallJoint, &side.lowerFramePivot, &side.upperSpringPad, &side.lowerSpringPad };
    return *points[static_cast<std::size_t>(row)];
}

} // namespace

PointDragger::PointDragger(FrontView &view, LayoutDocument &document, const SettingsOwner &settings,
    std::function<const FieldDefinitions &()> definitions, std::function<bool()> commitPending,
    QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_document(document)
    , m_settings(settings)
    , m_definitions(std::move(definitions))
    , m_commitPending(std::move(commitPending))
{
    m_view.setMouseTracking(true);
    m_view.installEventFilter(this);
    // Queued: the view takes the new scene first.
    connect(&document, &LayoutDocument::solved, this, &PointDragger::publishSpots,
        Qt::QueuedConnection);
}

void PointDragger::publishSpots()
{
    // Where each point is drawn, for the widget map of the end-to-end tests.
    static const char *const kRows[] = { "upper_ball_joint", "upper_frame_pivot",
        "lower_ball_joint", "lower_frame_pivot", "upper_spring_pad", "lower_spring_pad" };
    QStringList spots;
    for (int side = 0; side < 2; ++side) {
        for (int row = kUpperBallJoint; row <= kLowerSpringPad; ++row) {
            const QPoint at = pointPosition(side, row).toPoint();
            spots << QStringLiteral("point.%1.%2 %3 %4")
                         .arg(QLatin1String(side == kSideRight ? "right" : "left"),
                             QLatin1String(kRows[row]))
                         .arg(at.x())
                         .arg(at.y());
        }
    }
    m_view.setProperty("mapSpots", spots);
}

QPointF PointDragger::pointPosition(int side, int row) const
{
    const LayoutPoint &p = rowPoint(m_document.output().staticPass.side[side], row);
    const double toPicture
        = kDrawingFactor / unitFactor(Quantity::Length, m_document.state().units);
    const QTransform transform
        = frontViewTransform(QRectF(m_view.rect()), m_view.scene(), m_view.isBig(), m_view.font());
    return transform.map(QPointF(p.x * toPicture, p.y * toPicture));
}

std::optional<PointDragger::Hit> PointDragger::hitAt(const QPointF &position) const
{
    const QTransform transform
        = frontViewTransform(QRectF(m_view.rect()), m_view.scene(), m_view.isBig(), m_view.font());
    const double radius
        = std::max(kMinimumGrabPx, transform.m11() * kPickupRadiusIn * kDrawingFactor * 1.2);
    std::optional<Hit> best;
    double bestDistance = radius;
    for (int side = 0; side < 2; ++side) {
        for (int row = kUpperBallJoint; row <= kLowerSpringPad; ++row) {
            const double distance = QLineF(pointPosition(side, row), position).length();
            if (distance <= bestDistance) {
                bestDistance = distance;
                best = Hit { side, row,
                    canDragPoint(
                        row, m_settings.get().entryMode, m_document.state().suspensionType) };
            }
        }
    }
    return best;
}

QString PointDragger::pointStatus(int side, int row) const
{
    const SuspensionType type = m_document.state().suspensionType;
    const QString name = QString::fromStdString(
        (side == kSideRight ? "Right " : "Left ") + pointRowCaption(row, type));
    const QString unit = m_document.state().units == Units::Metric ? tr("mm") : tr("in");
    return tr("%1:  X %2 %4   Height %3 %4")
        .arg(name, m_document.entry(Entry::coordinate(side, static_cast<PointRow>(row), kColumnX)),
            m_document.entry(Entry::coordinate(side, static_cast<PointRow>(row), kColumnHeight)),
            unit);
}

void PointDragger::hover(const QPointF &position)
{
    const std::optional<Hit> hit = hitAt(position);
    if (!hit) {
        m_view.unsetCursor();
        emit statusChanged(QString());
        return;
    }
    if (!hit->draggable) {
        m_view.setCursor(Qt::ForbiddenCursor);
        emit statusChanged(
            pointStatus(hit->side, hit->row) + tr("   (placed by the arm's length and angle)"));
        return;
    }
    m_view.setCursor(Qt::OpenHandCursor);
    emit statusChanged(pointStatus(hit->side, hit->row) + tr("   (drag to move)"));
}

bool PointDragger::press(const QPointF &position)
{
    const std::optional<Hit> hit = hitAt(position);
    if (!hit || !hit->draggable) {
        return false;
    }
    // A refused box warned the user first: that press is spent.
    if (m_commitPending && !m_commitPending()) {
        return true;
    }
    m_drag = Drag { hit->side, hit->row, position - pointPosition(hit->side, hit->row) };
    m_view.setCursor(Qt::ClosedHandCursor);
    m_document.beginGesture(
        tr("Drag of %1")
            .arg(QString::fromStdString((hit->side == kSideRight ? "Right " : "Left ")
                + pointRowCaption(hit->row, m_document.state().suspensionType))));
    emit statusChanged(pointStatus(hit->side, hit->row));
    return true;
}

void PointDragger::move(const QPointF &position)
{
    const QTransform transform
        = frontViewTransform(QRectF(m_view.rect()), m_view.scene(), m_view.isBig(), m_view.font());
    bool invertible = false;
    const QPointF picture = transform.inverted(&invertible).map(position - m_drag->grabOffset);
    if (!invertible) {
        return;
    }
    const Units units = m_document.state().units;
    const double toLayout = unitFactor(Quantity::Length, units) / kDrawingFactor;
    const DragOutcome outcome = dragPoint(m_drag->side, m_drag->row, picture.x() * toLayout,
        picture.y() * toLayout, units, m_definitions());
    if (!outcome.point) {
        emit statusChanged(pointStatus(m_drag->side, m_drag->row) + QStringLiteral("   ")
            + QString::fromStdString(outcome.message).simplified());
        return;
    }
    m_document.gestureEntries(
        { { outcome.point->xEntry, QString::fromStdString(outcome.point->xText) },
            { outcome.point->heightEntry, QString::fromStdString(outcome.point->heightText) } });
    emit statusChanged(pointStatus(m_drag->side, m_drag->row));
}

void PointDragger::finish(bool keep)
{
    if (!m_drag) {
        return;
    }
    m_drag.reset();
    if (keep) {
        m_document.endGesture();
    } else {
        m_document.cancelGesture();
    }
    m_view.setCursor(Qt::OpenHandCursor);
}

bool PointDragger::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_view) {
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && !m_drag) {
            if (press(mouse->position())) {
                m_view.setFocus(Qt::MouseFocusReason);
                return true;
            }
        } else if (mouse->button() == Qt::RightButton && m_drag) {
            finish(false);
            hover(mouse->position());
            return true;
        }
        break;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_drag) {
            move(mouse->position());
            return true;
        }
        hover(mouse->position());
        break;
    }
    case QEvent::MouseButtonRelease:
        if (m_drag && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            finish(true);
            hover(static_cast<QMouseEvent *>(event)->position());
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (m_drag && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            finish(false);
            // The point is back where it was: the status line no longer
            // speaks of the place it was dragged to, but of what the
            // pointer is over now.
            hover(m_view.mapFromGlobal(QCursor::pos()));
            return true;
        }
        break;
    case QEvent::Leave:
        if (!m_drag) {
            m_view.unsetCursor();
            emit statusChanged(QString());
        }
        break;
    case QEvent::Resize:
        publishSpots();
        break;
    case QEvent::FocusOut:
    case QEvent::Hide:
        finish(true);
        break;
    default:
        break;
    }
    return false;
}

} // namespace tarvik::gui
