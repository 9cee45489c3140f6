// Input grid of the main window; see specgrid.h. Boxes and displays are
// placed by the layout's entries (Entry::coordinate, armDimension, otherSpec).
#include "gui/mainwin/specgrid.h"

#include "core/layout/entrynumbers.h"
#include "gui/mainwin/clicklabel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvik::gui {

namespace {

constexpr int kBoxWidth = 72;

struct OtherRow
{
    const char *caption;
    int resultLine; // 0 for an input row
};

// Rows of the Other Specs frame; the result line is the row's line in the
// result-names file.
constexpr OtherRow kOtherRows[] = {
    { "Spring Length", 9 },
    { "Spring Compression", 7 },
    { "Spring Angle", 10 },
    { "Spring Rate", 0 },
    { "Wheel Rate", 12 },
    { "Scrub Radius", 16 },
    { "Static Camber, deg", 0 },
    { "Dynamic Camber, deg", 8 },
    { "Hub Distance", 0 },
    { "Wheel Rim Width", 0 },
    { "Wheel Rim Offset", 0 },
};

constexpr const char *kPointCaptions[] = {
    "Upper Ball Joint",
    "Upper Frame Pivot",
    "Lower Ball Joint",
    "Lower Frame Pivot",
    "Upper Spring Pad",
    "Lower Spring Pad",
    "Upper Arm Dim.",
    "Lower Arm Dim.",
};

QLineEdit *makeBox(Entry entry, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QStringLiteral("SpecData%1").arg(entry.number()));
    box->setFixedWidth(kBoxWidth);
    box->setMaxLength(30);
    return box;
}

QLabel *heading(const QString &text)
{
    auto *label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// Rows close together and thin frame margins: the two frames hold 26 rows,
// and the main window must fit a laptop's screen with a panel (728 px).
void compact(QGridLayout *grid)
{
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(1);
    grid->setContentsMargins(8, 4, 8, 4);
}

QLabel *displayLabel()
{
    auto *label = new ClickLabel;
    label->setFixedWidth(kBoxWidth);
    label->setMinimumHeight(20);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    return label;
}

} // namespace

SpecGrid::SpecGrid(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("SpecGrid"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildStaticFrame());
    layout->addWidget(buildOtherSpecsFrame());
    layout->addStretch(1);
    setMetric(false);
}

QGroupBox *SpecGrid::buildStaticFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("Static Layout Dimensions"), this);
    auto *grid = new QGridLayout(frame);
    compact(grid);
    const QString headings[] = { QStringLiteral("Right (X)"), QStringLiteral("Height"),
        QStringLiteral("Left (X)"), QStringLiteral("Height") };
    for (int column = 0; column < 4; ++column) {
        grid->addWidget(heading(headings[column]), 0, column + 1, Qt::AlignBottom);
    }
    // Above the headings, how the points are measured; it also keeps the
    // first row of boxes clear of the frame's title.
    m_howToMeasure = new QLabel(frame);
    m_howToMeasure->setObjectName(QStringLiteral("HowToMeasure"));
    // A quieter text than the captions: the palette's text a third of the
    // way to its background, so it stays readable on a dark desktop too.
    QPalette quiet = m_howToMeasure->palette();
    const QColor ink = quiet.color(QPalette::WindowText);
    const QColor ground = quiet.color(QPalette::Window);
    quiet.setColor(QPalette::WindowText,
        QColor::fromRgbF((2 * ink.redF() + ground.redF()) / 3,
            (2 * ink.greenF() + ground.greenF()) / 3, (2 * ink.blueF() + ground.blueF()) / 3));
    m_howToMeasure->setPalette(quiet);
    grid->addWidget(m_howToMeasure, 0, 0, 1, 5, Qt::AlignTop | Qt::AlignLeft);
    grid->setRowMinimumHeight(0, 40);
    for (int row = 0; row < kPointRows; ++row) {
        const int gridRow = row < 6 ? row + 1 : row + 2;
        auto *caption = new ClickLabel(QString::fromLatin1(kPointCaptions[row]), frame);
        m_rowCaptions[std::size_t(row)] = caption;
        grid->addWidget(caption, gridRow, 0);
        // Points focus their right X box, arm rows their right Length box.
        const auto point = static_cast<PointRow>(row);
        const auto entryAt = [point](int side, int column) {
            return point < kUpperArmDim ? Entry::coordinate(side, point, column)
                                        : Entry::armDimension(side, point, column);
        };
        const Entry first = entryAt(kSideRight, kColumnX);
        connect(caption, &ClickLabel::clicked, this,
            [this, first] { emit inputCaptionClicked(first); });
        for (int side = 0; side < 2; ++side) {
            for (int column = 0; column < 2; ++column) {
                const Entry entry = entryAt(side, column);
                m_boxes[entry] = makeBox(entry, frame);
                grid->addWidget(m_boxes[entry], gridRow, 1 + side * 2 + column);
            }
        }
    }
    for (int column = 0; column < 4; ++column) {
        auto *label
            = new ClickLabel(column % 2 == 0 ? QStringLiteral("Length") : QStringLiteral("Angle"));
        label->setAlignment(Qt::AlignCenter);
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        connect(label, &ClickLabel::clicked, this, &SpecGrid::armHeadingClicked);
        grid->addWidget(label, 7, column + 1);
    }
    grid->setColumnStretch(0, 1);
    return frame;
}

QLabel *SpecGrid::addResult(int line)
{
    QLabel *label = displayLabel();
    connect(static_cast<ClickLabel *>(label), &ClickLabel::clicked, this,
        [this, line] { emit resultClicked(line); });
    return label;
}

QGroupBox *SpecGrid::buildOtherSpecsFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("Other Specs"), this);
    auto *grid = new QGridLayout(frame);
    compact(grid);
    grid->addWidget(heading(QStringLiteral("Right")), 0, 1);
    grid->addWidget(heading(QStringLiteral("Left")), 0, 3);
    // The spring-rate calculator, between the two sides' columns.
    auto *calc = new QPushButton(QStringLiteral("Calc"), frame);
    calc->setObjectName(QStringLiteral("ClcBttn"));
    calc->setToolTip(QStringLiteral("Work out a spring rate from the spring's dimensions"));
    calc->setFocusPolicy(Qt::NoFocus);
    connect(calc, &QPushButton::clicked, this, &SpecGrid::calcClicked);
    grid->addWidget(calc, 0, 2);
    for (int row = 0; row < 11; ++row) {
        const OtherRow &spec = kOtherRows[row];
        auto *caption = new ClickLabel(QString::fromLatin1(spec.caption), frame);
        grid->addWidget(caption, row + 1, 0);
        const auto other = static_cast<OtherSpecsRow>(row);
        for (int side = 0; side < 2; ++side) {
            const Entry entry = Entry::otherSpec(side, other);
            QWidget *cell = nullptr;
            if (spec.resultLine == 0) {
                m_boxes[entry] = makeBox(entry, frame);
                cell = m_boxes[entry];
            } else {
                m_results[entry] = addResult(spec.resultLine);
                m_results[entry]->setObjectName(QStringLiteral("Result%1").arg(entry.number()));
                cell = m_results[entry];
            }
            grid->addWidget(cell, row + 1, side == 0 ? 1 : 3);
        }
        if (spec.resultLine == 0) {
            const Entry entry = Entry::otherSpec(kSideRight, other);
            connect(caption, &ClickLabel::clicked, this,
                [this, entry] { emit inputCaptionClicked(entry); });
        } else {
            const int line = spec.resultLine;
            connect(
                caption, &ClickLabel::clicked, this, [this, line] { emit resultClicked(line); });
        }
    }
    // Track: right half, total (between the sides), left half.
    auto *trackCaption = new ClickLabel(QString(), frame);
    m_trackCaption = trackCaption;
    connect(trackCaption, &ClickLabel::clicked, this, [this] { emit resultClicked(14); });
    grid->addWidget(trackCaption, 12, 0);
    for (int index = 0; index < 3; ++index) {
        m_track[std::size_t(index)] = addResult(14);
        m_track[std::size_t(index)]->setObjectName(QStringLiteral("Track%1").arg(index));
        grid->addWidget(m_track[std::size_t(index)], 12, 1 + index);
    }
    const struct
    {
        const char *caption;
        const char *name; // of the displays, with the side
        int line;
        std::array<QLabel *, 2> *displays;
    } angleRows[] = { { "King Pin Angle", "KingPinAngle", 13, &m_kingPin },
        { "Spindle Angle", "SpindleAngle", 15, &m_spindle } };
    int row = 13;
    for (const auto &angleRow : angleRows) {
        auto *caption = new ClickLabel(QString::fromLatin1(angleRow.caption), frame);
        const int line = angleRow.line;
        connect(caption, &ClickLabel::clicked, this, [this, line] { emit resultClicked(line); });
        grid->addWidget(caption, row, 0);
        for (int side = 0; side < 2; ++side) {
            (*angleRow.displays)[std::size_t(side)] = addResult(line);
            (*angleRow.displays)[std::size_t(side)]->setObjectName(
                QString::fromLatin1(angleRow.name) + QString::number(side));
            grid->addWidget((*angleRow.displays)[std::size_t(side)], row, side == 0 ? 1 : 3);
        }
        ++row;
    }
    grid->setColumnStretch(0, 1);
    return frame;
}

QLineEdit *SpecGrid::box(Entry entry) const
{
    return m_boxes[entry];
}

void SpecGrid::showResults(const Captions &captions)
{
    const auto qs = [](const std::string &text) { return QString::fromStdString(text); };
    const std::pair<OtherSpecsRow, const std::array<std::string, 2> *> results[] = {
        { kSpringLengthRow, &captions.springLength },
        { kSpringCompressionRow, &captions.springCompression },
        { kSpringAngleRow, &captions.springAngle },
        { kWheelRateRow, &captions.wheelRate },
        { kScrubRadiusRow, &captions.scrubRadius },
        { kDynamicCamberRow, &captions.dynamicCamber },
    };
    for (const auto &[row, texts] : results) {
        m_results[Entry::otherSpec(kSideRight, row)]->setText(qs((*texts)[0]));
        m_results[Entry::otherSpec(kSideLeft, row)]->setText(qs((*texts)[1]));
    }
    for (std::size_t index = 0; index < m_track.size(); ++index) {
        m_track[index]->setText(qs(captions.track[index]));
    }
    for (std::size_t side = 0; side < 2; ++side) {
        m_kingPin[side]->setText(qs(captions.kingPinAngle[side]));
        m_spindle[side]->setText(qs(captions.spindleAngle[side]));
    }
    m_rowCaptions[kUpperBallJoint]->setText(qs(captions.rowCaptions[0]));
    m_rowCaptions[kUpperFramePivot]->setText(qs(captions.rowCaptions[1]));
    m_rowCaptions[kUpperArmDim]->setText(qs(captions.rowCaptions[2]));
}

QString SpecGrid::rowCaption(int row) const
{
    return row >= 0 && row < kPointRows ? m_rowCaptions[std::size_t(row)]->text() : QString();
}

QList<QLabel *> SpecGrid::displays() const
{
    QList<QLabel *> result;
    for (QLabel *label : m_results.items()) {
        if (label) {
            result.append(label);
        }
    }
    result.append(QList<QLabel *>(m_track.begin(), m_track.end()));
    result.append(QList<QLabel *>(m_kingPin.begin(), m_kingPin.end()));
    result.append(QList<QLabel *>(m_spindle.begin(), m_spindle.end()));
    return result;
}

void SpecGrid::setResultsVisible(bool visible)
{
    // Hidden displays keep their places (retainSizeWhenHidden), so the grid
    // does not jump while a worksheet page is made.
    for (QLabel *label : displays()) {
        label->setVisible(visible);
    }
}

void SpecGrid::setMetric(bool metric)
{
    m_howToMeasure->setText(metric
            ? QStringLiteral(
                "Millimeters: X out from the car's centreline, Height up from the ground.")
            : QStringLiteral(
                "Inches: X out from the car's centreline, Height up from the ground."));
    m_trackCaption->setText(metric ? QStringLiteral("Track, mm") : QStringLiteral("Track, in"));
}

} // namespace tarvik::gui
