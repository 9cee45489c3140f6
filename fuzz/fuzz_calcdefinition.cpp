// libFuzzer target for the calculation definition reader: any bytes give a
// whole definition within the window's bounds (at most 10 rows, 3 outputs,
// 1 or 2 frames) or none with a message; and a window opened on a
// definition in every mode takes typed texts, clicks, arrow keys and accept
// without a crash.
#include "core/calc/calcdefinition.h"
#include "core/calc/calcsession.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace {

void drive(tarvik::CalcMode mode, const tarvik::CalcDefinition &definition, std::string_view typed)
{
    tarvik::LayoutState layout;
    for (int e = 0; e < tarvik::kEntryCount; ++e) {
        layout.record.set(e, std::string(typed.substr(0, static_cast<std::size_t>(e % 9))));
    }
    tarvik::Settings settings;
    settings.tableSpec = tarvik::TableSpec { 0, std::string(typed.substr(0, 6)), "3", 9,
        std::string(typed.substr(2, 8)), "-4", -3 };
    settings.GainSpecChoice = static_cast<int>(typed.size() % 4) - 1;
    const std::unique_ptr<tarvik::CalcSession> made = tarvik::makeCalcSession(mode, definition,
        { layout, settings, static_cast<int>(typed.size() % 2),
            tarvik::ShimChoices { 1, 2, 99, -5, 1e300 } });
    if (!made) {
        return; // a number that is no mode
    }
    tarvik::CalcSession &session = *made;
    session.recalculate();
    for (int k = -1; k <= 11; ++k) {
        session.focusEntered(k);
        session.leaveBox(k, typed.substr(0, 24));
        session.choiceClicked(k, static_cast<int>(typed.size() % 7) - 1);
        session.keyPressed(k, tarvik::CalcKey::Down);
        session.choiceClicked(k, 0);
    }
    tarvik::CalcAnswers answers;
    for (int round = 0; round < 4; ++round) {
        const tarvik::CalcAcceptResult r = session.accept(answers);
        if (r.outcome != tarvik::CalcAcceptResult::Outcome::Ask) {
            break;
        }
        answers.set(r.question, tarvik::CalcAnswer::Yes);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const tarvik::CalcDefinitionResult r = tarvik::parseCalcDefinition(text, "FUZZ.CLC");
    if (!r.definition) {
        if (r.message.empty()) {
            std::abort();
        }
        return 0;
    }
    const tarvik::CalcDefinition &d = *r.definition;
    if (d.rows.size() > 10 || d.outputNames.size() > 3 || (d.frameCount != 1 && d.frameCount != 2)
        || d.rows.size() != static_cast<std::size_t>(d.frameRows[0] + d.frameRows[1])) {
        std::abort();
    }
    for (const int mode : { 1, 2, 3, 11, 5 }) {
        drive(tarvik::CalcMode { mode }, d, text);
    }
    return 0;
}
