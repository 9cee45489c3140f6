// The spring rate calculator's rows, calculation and write-back; see
// springcalc.h.
#include "core/calc/springcalc.h"

#include "core/calc/springrate.h"
#include "core/layout/units.h"
#include "core/text/numberreading.h"
#include "core/text/pictureformat.h"

#include <cmath>

namespace tarvik {

namespace {

constexpr int kSideRow = 1;
constexpr int kTypeRow = 2;
constexpr int kSideIndexRight = 0;
constexpr int kSideIndexLeft = 1;
constexpr int kSideIndexBoth = 2;
constexpr int kCoil = 0;
constexpr int kLeaf = 1;
constexpr int kTorsionBar = 2;
constexpr int kHollowTorsionBar = 3;
// "Both" takes the mean of the two lower arms only when they nearly agree.
constexpr double kArmMatch = 0.2;

// A Spring Rate box's text in the question; an empty box is named as such.
std::string shownRateText(const std::string &text)
{
    return text.empty() ? std::string("none") : text;
}

} // namespace

SpringCalc::SpringCalc(const CalcDefinition &definition, const CalcContext &context)
    : CalcSession(CalcMode::Spring, definition, context)
    , m_shownSpringRates { context.layout.record.get(springRateEntry(kSideRight)),
        context.layout.record.get(springRateEntry(kSideLeft)) }
{
    setChoice(kTypeRow, kCoil);
}

std::string SpringCalc::stepName() const
{
    return otherSpecsCaption(kSpringRateRow);
}

void SpringCalc::prefillLowerArm()
{
    // Each side's torsion bar works through its own lower arm.
    const std::string &rightArm
        = entryText(Entry::armDimension(kSideRight, kLowerArmDim, kColumnX));
    const std::string &leftArm = entryText(Entry::armDimension(kSideLeft, kLowerArmDim, kColumnX));
    const double right = readNumber(rightArm);
    const double left = readNumber(leftArm);
    const std::string mean = formatPicture((right + left) / 2, "####.0");
    std::string &armText = rowRef(5).text;
    // Only a text this window put there is refreshed; a typed one survives.
    if (!armText.empty() && armText != rightArm && armText != leftArm && armText != mean) {
        return;
    }
    switch (choiceOf(kSideRow)) {
    case kSideIndexRight:
        armText = rightArm;
        break;
    case kSideIndexLeft:
        armText = leftArm;
        break;
    case kSideIndexBoth:
        if (std::fabs(right - left) < kArmMatch) {
            armText = mean;
        }
        break;
    default:
        break;
    }
}

void SpringCalc::clearOutsideLimits()
{
    for (int k = 3; k <= 7; ++k) {
        CalcInputRow &r = rowRef(k);
        if (!r.enabled || r.text.empty()) {
            continue;
        }
        const double value = readNumber(r.text);
        if (value > r.rowMax || value < r.rowMin) {
            r.text.clear();
        }
    }
}

bool SpringCalc::inputsComplete() const
{
    for (int k = 3; k <= 7; ++k) {
        if (row(k).enabled && row(k).text.empty()) {
            return false;
        }
    }
    return true;
}

CalcFeedback SpringCalc::recalculate()
{
    const int type = choiceOf(kTypeRow);
    std::optional<double> rate;
    // No rate until one is worked out from the boxes as they stand now.
    CalcOutputRow &out = outputRef(0);
    out.value.clear();
    out.enabled = false;
    switch (type) {
    case kCoil:
        setNumericRow(3, "Wire Diameter, in", 3, 0.02);
        setNumericRow(4, "Inside Diameter of Coil, in", 12, 0.1);
        setNumericRow(5, "Number of Active Coils", 30, 1);
        blankRow(6);
        blankRow(7);
        clearOutsideLimits();
        if (inputsComplete()) {
            rate = coilSpringRate(rowNumber(3), rowNumber(4), rowNumber(5));
        }
        break;
    case kLeaf:
        setNumericRow(3, "# Leaves at Center", 10, 1);
        setNumericRow(4, "# Leaves at Ends", 10, 1);
        setNumericRow(5, "Spring Length, in", 100, 1);
        setNumericRow(6, "Thickness of 1 Leaf, in", 1, 0.005);
        setNumericRow(7, "Spring Width, in", 10, 0.1);
        clearOutsideLimits();
        if (inputsComplete()) {
            rate = leafSpringRate(
                rowNumber(3), rowNumber(4), rowNumber(5), rowNumber(6), rowNumber(7));
        }
        break;
    case kTorsionBar:
    case kHollowTorsionBar:
        setNumericRow(3, "Torsion Bar Diameter, in", 3, 0.05);
        setNumericRow(4, "Torsion Bar Length, in", 100, 2);
        setNumericRow(5, "Lower Control Arm, in", 30, 0.5);
        if (type == kHollowTorsionBar) {
            setNumericRow(6, "Bar Inside Diameter, in", 3, 0);
        } else {
            blankRow(6);
        }
        blankRow(7);
        clearOutsideLimits();
        // The lower arm comes from the layout itself, after the check: the
        // limits are for what the user types.
        prefillLowerArm();
        if (inputsComplete()) {
            rate = torsionBarRate(rowNumber(3), rowNumber(4), rowNumber(5),
                type == kHollowTorsionBar ? std::optional<double>(rowNumber(6)) : std::nullopt);
        }
        break;
    default:
        if (type < 0) {
            for (int k = 3; k <= 7; ++k) {
                blankRow(k);
            }
        }
        return {};
    }
    if (rate) {
        // The formulas give pounds per inch; a metric layout takes N/mm.
        out.value = springRateText(*rate * unitFactor(Quantity::Rate, m_units));
        out.enabled = true;
    }
    return {};
}

CalcAcceptResult SpringCalc::acceptWithin(const CalcAnswers &answers) const
{
    const int side = choiceOf(kSideRow);
    const bool both = side != kSideIndexLeft && side != kSideIndexRight;
    // Two different rates made one is no small step: say what goes, No
    // being the default. Texts that read as the same number are one rate.
    const auto &[shownRight, shownLeft] = m_shownSpringRates;
    if (both && readNumber(shownRight) != readNumber(shownLeft)) {
        if (!answers.replaceBothSprings) {
            return CalcAcceptResult::ask(CalcQuestion::ReplaceBothSprings,
                CalcMessage { "",
                    "Replace both spring rates (" + shownRateText(shownRight) + " right, "
                        + shownRateText(shownLeft) + " left) with " + output(0).value + "?",
                    CalcButtons::YesNo, CalcIcon::Question, 1 });
        }
        if (*answers.replaceBothSprings != CalcAnswer::Yes) {
            return CalcAcceptResult {};
        }
    }
    CalcWriteBack wb;
    // No side chosen sends the rate to both, as "both" does.
    if (side != kSideIndexLeft) {
        wb.entries.push_back({ Entry::otherSpec(kSideRight, kSpringRateRow), output(0).value });
    }
    if (side != kSideIndexRight) {
        wb.entries.push_back({ Entry::otherSpec(kSideLeft, kSpringRateRow), output(0).value });
    }
    // The wheel rates shown in the main window come from the spring rates.
    wb.redraw = true;
    return CalcAcceptResult::close(std::move(wb));
}

} // namespace tarvik
