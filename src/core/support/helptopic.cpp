// The help group table and the page moves of the help window.
#include "core/support/helptopic.h"

#include <algorithm>
#include <array>

namespace tarvik {

namespace {

constexpr std::array<HelpGroupInfo, 8> kGroups { {
    { kHelpGroupMain, "helpm", 7 },
    { kHelpGroupShimCalc, "helpsh", 1 },
    { kHelpGroupGainSpec, "helpb", 0 },
    { kHelpGroupTableSpec, "helpc", 0 },
    { kHelpGroupSpring, "helpsp", 0 },
    { kHelpGroupGraph, "helpg", 0 },
    { kHelpGroupGraphOptions, "helph", 1 },
    { kHelpGroupCamberTable, "helpt", 2 },
} };

} // namespace

std::optional<HelpGroupInfo> findHelpGroup(int group)
{
    const auto it = std::find_if(kGroups.begin(), kGroups.end(),
        [group](const HelpGroupInfo &info) { return info.group == group; });
    if (it == kGroups.end()) {
        return std::nullopt;
    }
    return *it;
}

std::string helpPageFileName(int group, int page)
{
    const auto info = findHelpGroup(group);
    if (!info || page < 0 || page > info->lastPage) {
        return {};
    }
    return std::string(info->prefix) + std::to_string(page) + ".txt";
}

HelpTopic::HelpTopic(int group, int page)
    : m_group(group)
{
    if (const auto info = findHelpGroup(group)) {
        m_known = true;
        m_lastPage = info->lastPage;
    }
    m_page = std::clamp(page, 0, m_lastPage);
}

std::string HelpTopic::fileName() const
{
    return helpPageFileName(m_group, m_page);
}

void HelpTopic::next()
{
    m_page = std::min(m_page + 1, m_lastPage);
}

void HelpTopic::previous()
{
    m_page = std::max(m_page - 1, 0);
}

} // namespace tarvik
