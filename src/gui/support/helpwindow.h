// The paged help window every window's Help command opens.
//
// It shows one page of a help group at a time: the page's title as the
// window caption and its body in one large label, with the buttons "Last
// (previous) Screen", "Next Screen" and "Cancel". The window is sized to the
// text of each page. Pages that cannot be found show an empty window, never
// an error.
#pragma once

#include "core/support/helptopic.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QScrollArea;

namespace tarvik::gui {

class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    // dataDir is the program's data folder (the one holding TKTEXT); group is
    // one of the help groups (kHelpGroupMain, ...). Opens on page 0.
    HelpWindow(const QString &dataDir, int group, QWidget *parent = nullptr);

    int page() const { return m_topic.page(); }
    int lastPage() const { return m_topic.lastPage(); }
    QString title() const { return m_title; }
    QString body() const; // as shown, with LF line breaks

public slots:
    void showNextPage();
    void showPreviousPage();

private:
    void loadPage();
    void fitToText();

    QString m_textFolder;
    HelpTopic m_topic;
    QString m_title;
    QScrollArea *m_scroll;
    QLabel *m_label;
    QPushButton *m_previous;
    QPushButton *m_next;
    QPushButton *m_cancel;
};

} // namespace tarvik::gui
