// The input grid of the main window: the "Static Layout Dimensions" frame
// (six pick-up points and two arm rows, right and left side) and the
// "Other Specs" frame (spring, camber and wheel inputs with the result
// displays between them, plus track, king-pin and spindle angle). Boxes and
// result displays are reached by their Entry; clicks on captions and
// headings are reported as signals for the main window to act on.
#pragma once

#include "core/geometry/engine.h"
#include "core/layout/entry.h"

#include <QList>
#include <QWidget>
#include <array>

class QLineEdit;
class QLabel;
class QGroupBox;

namespace tarvik::gui {

class ClickLabel;

class SpecGrid : public QWidget
{
    Q_OBJECT
public:
    explicit SpecGrid(QWidget *parent = nullptr);

    // The input box of an entry; nullptr for a result-only entry and for dive
    // and roll (the dive-and-roll panel holds those).
    QLineEdit *box(Entry entry) const;
    // Displays, by object name: ResultN for a result-only entry N of the
    // Other Specs block, Track0-2 (right, total, left), KingPinAngle0-1 and
    // SpindleAngle0-1 (right, left).

    // A solve's results: the result displays, track, king-pin and spindle
    // angles, and the captions of rows 0, 1 and 6 (they follow the
    // suspension type).
    void showResults(const Captions &captions);
    QString rowCaption(int row) const;
    void setResultsVisible(bool visible);
    // The length unit the captions name: inches, or millimetres.
    void setMetric(bool metric);

signals:
    void inputCaptionClicked(tarvik::Entry entry);
    // line = the result's line in the result-names file (counted from 1)
    void resultClicked(int line);
    void armHeadingClicked();
    void calcClicked(); // the "Calc" button beside the Other Specs

private:
    QGroupBox *buildStaticFrame();
    QGroupBox *buildOtherSpecsFrame();
    QLabel *addResult(int line);
    QList<QLabel *> displays() const;

    EntryArray<QLineEdit *> m_boxes;
    EntryArray<QLabel *> m_results;
    std::array<ClickLabel *, 8> m_rowCaptions {};
    std::array<QLabel *, 3> m_track {};
    QLabel *m_howToMeasure = nullptr;
    QLabel *m_trackCaption = nullptr;
    std::array<QLabel *, 2> m_kingPin {};
    std::array<QLabel *, 2> m_spindle {};
};

} // namespace tarvik::gui
