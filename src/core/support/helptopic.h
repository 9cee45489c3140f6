// Help topics: which help page file a window's Help command shows.
//
// A topic is a help group (which window asked) and a page counted from 0.
// The group selects the file-name prefix and the last page; the page file is
// prefix + page + ".txt" in the text folder ("helpm0.txt" .. "helpm7.txt" for
// the main window). The calculation window asks with its mode number x 100.
// An unknown group has no pages: its file name is empty and both page moves
// are unavailable.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvik {

inline constexpr int kHelpGroupMain = 1000;
inline constexpr int kHelpGroupShimCalc = 100; // calculation window mode 1
inline constexpr int kHelpGroupGainSpec = 200; // calculation window mode 2
inline constexpr int kHelpGroupTableSpec = 300; // calculation window mode 3
inline constexpr int kHelpGroupSpring = 1100; // calculation window mode 11
inline constexpr int kHelpGroupGraph = 600;
inline constexpr int kHelpGroupGraphOptions = 700;
inline constexpr int kHelpGroupCamberTable = 900;

struct HelpGroupInfo
{
    int group;
    std::string_view prefix;
    int lastPage;
};

std::optional<HelpGroupInfo> findHelpGroup(int group);

// The file name of one page; empty for an unknown group or a page outside
// 0 .. last page.
std::string helpPageFileName(int group, int page);

// The page position of an open help window.
class HelpTopic
{
public:
    // A page outside the group's range is brought into it.
    explicit HelpTopic(int group, int page = 0);

    int group() const { return m_group; }
    int page() const { return m_page; }
    int lastPage() const { return m_lastPage; }
    bool isKnownGroup() const { return m_known; }
    std::string fileName() const;

    bool canGoBack() const { return m_page > 0; }
    bool canGoForward() const { return m_page != m_lastPage; }
    // One page on, capped at the last page; one page back, floored at 0.
    void next();
    void previous();

private:
    int m_group;
    int m_page = 0;
    int m_lastPage = 0;
    bool m_known = false;
};

} // namespace tarvik
