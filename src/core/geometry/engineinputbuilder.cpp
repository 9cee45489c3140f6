// The engine input from the layout and the settings; see engineinputbuilder.h.
#include "core/geometry/engineinputbuilder.h"

namespace tarvik {

EngineInput buildEngineInput(
    const LayoutState &layout, const Settings &settings, const SolveOptions &options)
{
    EngineInput input;
    for (const Entry entry : Entry::every()) {
        input.entries[entry] = layout.record.get(entry);
    }
    input.units = layout.units;
    const bool strut = layout.suspensionType == SuspensionType::Strut;
    input.suspensionType = layout.suspensionType;
    // The strut always works with X and Height entry.
    input.entryMode = strut ? EntryMode::XAndHeight : settings.entryMode;
    input.applyDiveRoll = layout.applyDiveRoll;
    input.gainSpecChoice = settings.GainSpecChoice;
    input.gainDiveText = settings.GainDiveText;
    input.gainRollText = settings.GainRollText;
    input.camberFollowsEdit = options.camberFollowsEdit;
    input.previousKingPinCaptions = options.previousKingPinCaptions;
    input.draw.extensionLines = settings.extensionLines;
    input.draw.darkGrayBackground = settings.darkGrayBackground;
    input.draw.bigLayout = options.bigLayout;
    input.draw.afterPrinting = options.afterPrinting;
    input.withScene = options.withScene;
    input.withCaptions = options.withCaptions;
    return input;
}

} // namespace tarvik
