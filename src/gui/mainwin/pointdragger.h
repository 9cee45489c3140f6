// Moving a pick-up point by dragging it in the front view. Over a point the
// pointer becomes a hand and the status line names the point and its
// coordinates; a press takes it, each move puts its X and Height boxes at
// the pointer (snapped, checked as typing is) and the document redraws, the
// release ends the drag as one undo step, Escape puts the point back. A
// position the check refuses is not taken: the point stays at the last one
// taken and the status line gives the reason. Points the entry mode
// computes cannot be taken.
#pragma once

#include "core/layout/fieldinfo.h"

#include <QObject>
#include <QPointF>
#include <QString>
#include <functional>
#include <optional>

namespace tarvik::gui {

class FrontView;
class LayoutDocument;
class SettingsOwner;

class PointDragger : public QObject
{
    Q_OBJECT
public:
    // definitions: the boxes' field definitions for the range check.
    // commitPending: called before a point is taken, so text still being
    // typed in a box is checked first; false (refused) spends the press.
    PointDragger(FrontView &view, LayoutDocument &document, const SettingsOwner &settings,
        std::function<const FieldDefinitions &()> definitions, std::function<bool()> commitPending,
        QObject *parent = nullptr);

    struct Hit
    {
        int side = 0;
        int row = 0;
        bool draggable = false;
    };
    // The static point under a position of the view, nearest first.
    std::optional<Hit> hitAt(const QPointF &position) const;
    // Where a point of the static layout is drawn in the view.
    QPointF pointPosition(int side, int row) const;
    bool isDragging() const { return m_drag.has_value(); }

signals:
    void statusChanged(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void publishSpots();
    void hover(const QPointF &position);
    bool press(const QPointF &position);
    void move(const QPointF &position);
    void finish(bool keep);
    QString pointStatus(int side, int row) const;

    FrontView &m_view;
    LayoutDocument &m_document;
    const SettingsOwner &m_settings;
    std::function<const FieldDefinitions &()> m_definitions;
    std::function<bool()> m_commitPending;
    struct Drag
    {
        int side = 0;
        int row = 0;
        QPointF grabOffset; // pointer minus the point's centre, in pixels
    };
    std::optional<Drag> m_drag;
};

} // namespace tarvik::gui
