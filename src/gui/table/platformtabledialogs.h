// The Camber Table's notes (the core's TableDialogs) and questions (the
// core's TableQuestion) through the platform layer: notes in an OK box under
// the program's title, Yes/No questions with their own titles, and the comment input that tells
// Cancel from an empty OK, so the core's two Cancel rules (a cancelled "Baseline Comment" keeps the
// comment, a cancelled save comment abandons the save) hold in the window too.
#pragma once

#include "core/table/tabledialogs.h"

class QWidget;

namespace tarvik::gui {

class Platform;

class PlatformTableDialogs : public TableDialogs
{
public:
    PlatformTableDialogs(Platform &platform, QWidget *parent)
        : m_platform(platform)
        , m_parent(parent)
    {
    }

    void note(const std::string &text) override;
    TableAnswer ask(const TableQuestion &question);

private:
    Platform &m_platform;
    QWidget *m_parent;
};

} // namespace tarvik::gui
