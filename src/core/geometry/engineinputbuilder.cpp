// The engine input from the layout and the settings; see engineinputbuilder.h.
#include "core/geometry/engineinputbuilder.h"

namespace tarvik {

EngineInput buildEngineInput(
    const LayoutState &layout, const Settings &settings, const SolveOptions &options)
{
    EngineInput input;
    for (int entry = 0; entry < kEntryCount; ++entry) {
        input.entries[static_cast<std::size_t>(entry)] = layout.record.get(entry);
    }
    input.unitsFlag = layout.unitsFlag;
    const bool strut = layout.suspensionType == 1;
    input.suspensionType = strut ? SuspensionType::Strut : SuspensionType::DoubleAArm;
    // The strut always works with X and Height entry.
    input.entryMode
        = !strut && settings.entryMode == 1 ? EntryMode::LengthAndAngle : EntryMode::XAndHeight;
    input.applyDiveRoll = layout.applyDiveRoll == 1 ? 1 : 0;
    input.gainSpecChoice = settings.GainSpecChoice;
    input.gainDiveText = settings.GainDiveText;
    input.gainRollText = settings.GainRollText;
    input.camberFollowsEdit = options.camberFollowsEdit;
    input.previousKingPinCaptions = options.previousKingPinCaptions;
    input.draw.extensionLines = settings.extensionLines != 0;
    input.draw.darkGrayBackground = settings.backgroundColour != 0;
    input.draw.bigLayout = options.bigLayout;
    input.draw.afterPrinting = options.afterPrinting;
    input.withScene = options.withScene;
    input.withCaptions = options.withCaptions;
    return input;
}

} // namespace tarvik
