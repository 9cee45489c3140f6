// The browser edition's calculation windows (see webcalc.h).
#include "webcalc.h"

namespace tarvik::web {

CalcFeedback WebCalc::open(int mode, int side, std::optional<CalcMessage> &refusal)
{
    m_answers = {};
    close();
    const int s = side == kSideLeft ? kSideLeft : kSideRight;
    const CalcContext context(
        m_doc->state(), m_doc->settings(), s, m_shimChoices[static_cast<std::size_t>(s)]);
    CalcOpenResult opened = openCalcWindow(static_cast<CalcMode>(mode), m_doc->dataDir(), context);
    refusal = opened.refusal;
    m_session = std::move(opened.session);
    m_shim = dynamic_cast<ShimCalc *>(m_session.get());
    return opened.feedback;
}

CalcFeedback WebCalc::leaveBox(int k, const std::string &text)
{
    return m_session ? m_session->leaveBox(k, text) : CalcFeedback {};
}

CalcFeedback WebCalc::choose(int k, int index)
{
    return m_session ? m_session->choiceClicked(k, index) : CalcFeedback {};
}

CalcFeedback WebCalc::setTargetOn(bool on)
{
    return m_shim ? m_shim->setShimTargetOn(on) : CalcFeedback {};
}

CalcFeedback WebCalc::leaveTarget(const std::string &text)
{
    if (!m_shim) {
        return {};
    }
    m_shim->shimTargetEntered();
    return m_shim->leaveShimTarget(text);
}

CalcAcceptResult WebCalc::accept()
{
    if (!m_session) {
        return {};
    }
    CalcAcceptResult result = m_session->accept(m_answers);
    if (result.outcome == CalcAcceptResult::Outcome::Close) {
        if (result.writeBack) {
            const CalcWriteBack &w = *result.writeBack;
            if (w.shimChoices) {
                m_shimChoices[static_cast<std::size_t>(w.shimSide == kSideLeft ? 1 : 0)]
                    = w.shimChoices;
            }
            m_doc->applyWriteBack(w);
        }
        close();
    }
    return result;
}

void WebCalc::close()
{
    m_shim = nullptr;
    m_session.reset();
    m_answers = {};
}

} // namespace tarvik::web
