// The calculation windows of the browser edition (the shim calculator with
// its target camber, the spring calculator): the core's calculation session
// over the page's document. The page shows rows() and asks the questions
// accept() gives; the accepted write-back goes to the document as one step.
#pragma once

#include "core/calc/calcsession.h"
#include "core/calc/shimcalc.h"
#include "webdocument.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace tarvik::web {

class WebCalc
{
public:
    explicit WebCalc(WebDocument &doc)
        : m_doc(&doc)
    {
    }

    // Opens mode (1 shim, 11 spring) for side; the refusal or the first
    // calculation's messages.
    CalcFeedback open(int mode, int side, std::optional<CalcMessage> &refusal);
    bool isOpen() const { return m_session != nullptr; }
    const CalcSession &session() const { return *m_session; }
    // The shim calculator, with its target camber; none in another mode.
    const ShimCalc *shim() const { return m_shim; }
    CalcFeedback leaveBox(int k, const std::string &text);
    CalcFeedback choose(int k, int index);
    CalcFeedback setTargetOn(bool on);
    CalcFeedback leaveTarget(const std::string &text);
    // Accept with the answers given so far; a Close result is applied to the
    // document here and the window closes.
    CalcAcceptResult accept();
    void answer(CalcQuestion question, CalcAnswer answer) { m_answers.set(question, answer); }
    void close();

private:
    WebDocument *m_doc;
    std::unique_ptr<CalcSession> m_session;
    ShimCalc *m_shim = nullptr; // m_session, when it is the shim calculator
    CalcAnswers m_answers;
    std::array<std::optional<ShimChoices>, 2> m_shimChoices;
};

} // namespace tarvik::web
