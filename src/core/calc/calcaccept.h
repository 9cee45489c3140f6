// What the calculation window's Accept button hands back: the questions it
// asks on the way, the answers got so far, and the write-back an accepted
// window applies to the rest of the program.
#pragma once

#include "core/calc/calcmessage.h"
#include "core/layout/entry.h"
#include "core/table/tablespec.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tarvik {

// The shim calculator's choices, remembered per side until File New or
// File Open.
struct ShimChoices
{
    int direction = 0; // row 1: 0 shims added, otherwise removed
    int shimType = 0; // row 2: 0 no change, 1 standard shims, 2 and above custom
    int sixteenths = 0; // row 3: number of 1/16 in shims
    int eighths = 0; // row 4: number of 1/8 in shims
    double customThickness = 0; // row 5, inches

    friend bool operator==(const ShimChoices &, const ShimChoices &) = default;
};

struct CalcEntryWrite
{
    Entry entry;
    std::string text;

    friend bool operator==(const CalcEntryWrite &, const CalcEntryWrite &) = default;
};

struct GainDefinition
{
    int GainSpecChoice = 0; // 0 standard: 1 in of dive, no roll
    std::string GainDiveText;
    std::string GainRollText;

    friend bool operator==(const GainDefinition &, const GainDefinition &) = default;
};

// What an accepted window hands back to the program.
struct CalcWriteBack
{
    // Spec record entries with their new texts, applied as one change.
    std::vector<CalcEntryWrite> entries;
    std::optional<GainDefinition> gainDefinition; // camber-gain definition
    std::optional<TableSpec> tableSpec; // table specs
    // Run the redraw request; camberFollowsEdit is the flag for that one
    // redraw (shims: camber follows the moved arm when true; the camber-gain
    // definition clears it). The static cambers that redraw writes back
    // belong in the record.
    bool redraw = false;
    bool camberFollowsEdit = false;
    std::optional<ShimChoices> shimChoices; // shims: remember for shimSide
    int shimSide = kSideRight;
};

enum class CalcQuestion { OutsideLimits, LetCamberChange, NonStandardSpecs, ReplaceBothSprings };

// Answers the window has got so far; accept asks for the first one missing.
struct CalcAnswers
{
    std::optional<CalcAnswer> outsideLimits;
    std::optional<CalcAnswer> letCamberChange;
    std::optional<CalcAnswer> nonStandardSpecs;
    std::optional<CalcAnswer> replaceBothSprings;

    void set(CalcQuestion question, CalcAnswer answer);
};

struct CalcAcceptResult
{
    enum class Outcome {
        StayOpen, // show `message` when there is one; nothing is written
        Ask, // ask `message`, record the answer for `question`, accept again
        Close // apply `writeBack` when there is one, then close the window
    };
    Outcome outcome = Outcome::StayOpen;
    std::optional<CalcMessage> message;
    CalcQuestion question = CalcQuestion::OutsideLimits;
    std::optional<CalcWriteBack> writeBack;

    // The question to ask before Accept can go on.
    static CalcAcceptResult ask(CalcQuestion question, CalcMessage message)
    {
        CalcAcceptResult r;
        r.outcome = Outcome::Ask;
        r.question = question;
        r.message = std::move(message);
        return r;
    }
    // A refusal: the window stays open and shows `message`.
    static CalcAcceptResult stayOpen(CalcMessage message)
    {
        CalcAcceptResult r;
        r.message = std::move(message);
        return r;
    }
    // Closes the window, applying `writeBack` when there is one.
    static CalcAcceptResult close(std::optional<CalcWriteBack> writeBack = std::nullopt)
    {
        CalcAcceptResult r;
        r.outcome = Outcome::Close;
        r.writeBack = std::move(writeBack);
        return r;
    }
};

} // namespace tarvik
