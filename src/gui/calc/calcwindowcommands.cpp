// The calculation window's buttons (Accept with its questions and the
// write-back, Cancel, Help, Print) and its closing when the user activates
// another window of the program.
#include "core/calc/calcsession.h"
#include "gui/calc/calcmessagebox.h"
#include "gui/calc/calcwindow.h"
#include "gui/common/shippedtextdisplay.h"
#include "gui/common/windowimageprinter.h"
#include "gui/document/layoutdocument.h"
#include "gui/document/settingsowner.h"
#include "gui/platform/platform.h"
#include "gui/support/helpwindow.h"

#include <QApplication>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <ctime>

namespace tarvik::gui {

CalcWindow::OwnTurn::OwnTurn(CalcWindow &window)
    : m_window(window)
{
    ++m_window.m_ownTurns;
}

CalcWindow::OwnTurn::~OwnTurn()
{
    --m_window.m_ownTurns;
}

void CalcWindow::acceptCommand()
{
    if (m_closing) {
        return;
    }
    const OwnTurn turn(*this);
    if (!commitPending()) {
        return;
    }
    CalcAnswers answers;
    // Each round answers one more of the (at most three) questions.
    for (int round = 0; round <= 3; ++round) {
        const CalcAcceptResult result = m_session->accept(answers);
        switch (result.outcome) {
        case CalcAcceptResult::Outcome::StayOpen:
            if (result.message) {
                showCalcMessage(m_platform, this, *result.message);
            }
            return;
        case CalcAcceptResult::Outcome::Ask:
            if (!result.message) {
                return;
            }
            answers.set(result.question, showCalcMessage(m_platform, this, *result.message));
            break;
        case CalcAcceptResult::Outcome::Close:
            if (result.writeBack) {
                applyWriteBack(*result.writeBack);
            }
            closeWindow();
            return;
        }
    }
}

void CalcWindow::applyWriteBack(const CalcWriteBack &writeBack)
{
    if (writeBack.gainDefinition || writeBack.tableSpec) {
        m_settings.change([&writeBack](Settings &s) {
            if (const auto &gain = writeBack.gainDefinition) {
                s.GainSpecChoice = gain->GainSpecChoice;
                s.GainDiveText = gain->GainDiveText;
                s.GainRollText = gain->GainRollText;
            }
            if (writeBack.tableSpec) {
                s.tableSpec = *writeBack.tableSpec;
            }
        });
    }
    if (!writeBack.entries.empty()) {
        // One change of the layout; its redraw lets the static camber follow
        // the moved arm when the shim's answer (or the option) said so.
        EntryEdits texts;
        for (const CalcEntryWrite &write : writeBack.entries) {
            texts.emplace_back(write.entry, QString::fromStdString(write.text));
        }
        m_document.setEntries(
            texts, writeBack.camberFollowsEdit, QString::fromStdString(m_session->stepName()));
    } else if (writeBack.redraw) {
        m_document.redraw();
    }
    if (writeBack.shimChoices) {
        emit shimChoicesAccepted(writeBack.shimSide, *writeBack.shimChoices);
    }
}

void CalcWindow::cancelCommand()
{
    // A refused value still waiting to be shown is no longer of interest.
    m_pending = CalcFeedback {};
    closeWindow();
}

void CalcWindow::reject()
{
    cancelCommand();
}

void CalcWindow::closeWindow()
{
    if (m_closing) {
        return;
    }
    m_closing = true;
    QDialog::done(QDialog::Rejected);
}

void CalcWindow::helpCommand()
{
    if (m_help) {
        m_help->raise();
        m_help->activateWindow();
        return;
    }
    auto *help = new HelpWindow(m_dataRoot, m_session->helpGroup(), this);
    help->setAttribute(Qt::WA_DeleteOnClose);
    m_session->setHelpOpen(true);
    connect(help, &QDialog::finished, this, [this] { m_session->setHelpOpen(false); });
    m_help = help;
    help->show();
}

void CalcWindow::printCommand()
{
    if (m_closing) {
        return;
    }
    const OwnTurn turn(*this);
    if (!commitPending()) {
        return;
    }
    // Cancel is no comment, as an empty answer is.
    const QString comment = m_platform.inputText(this, QString::fromLatin1(kCalcPrintCommentTitle),
        calcLabelText(calcPrintCommentPrompt()), QString());
    QPrinter printer(QPrinter::HighResolution);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QImage page = capturePage(comment);
    QApplication::restoreOverrideCursor();
    const QString title = windowTitle();
    const PrintOutcome outcome = m_platform.printPreview(this, printer,
        [&](QPrinter &target) { return WindowImagePrinter::printPicture(target, page, title); });
    if (outcome == PrintOutcome::Failed) {
        m_platform.message(this, QStringLiteral("Print"),
            QStringLiteral("The printer could not be started, so nothing was printed."),
            MessageButtons::Ok, MessageIcon::Exclamation);
    }
}

QImage CalcWindow::capturePage(const QString &comment)
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    m_footer->setText(calcLabelText(
        calcPrintFooter(m_document.fileTitle().toStdString(), comment.toStdString(), local)));
    // The footer takes the buttons' place; the window grows to hold it.
    m_footer->setMinimumHeight(m_buttons->height() + twipsToPixels(200));
    m_buttons->hide();
    m_footer->show();
    // Instead of the old timed waits: let the layout and the repaint run.
    QApplication::processEvents();
    QApplication::processEvents();
    const QImage picture = WindowImagePrinter::captureWindow(this);
    m_footer->hide();
    m_buttons->show();
    QApplication::processEvents();
    return picture;
}

bool CalcWindow::isOwnWindow(QWindow *window) const
{
    if (!window) {
        return false;
    }
    for (const QWindow *w = window; w; w = w->transientParent()) {
        if (w == windowHandle()) {
            return true;
        }
    }
    // Popups of the lists, and dialogs whose native window has no transient
    // parent: this window is up their widget parent chain.
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->windowHandle() != window) {
            continue;
        }
        for (const QWidget *w = top; w; w = w->parentWidget()) {
            if (w == this) {
                return true;
            }
        }
        return false;
    }
    return false;
}

void CalcWindow::focusWindowChanged(QWindow *now)
{
    // Nothing of this program has the activation (the user is in another
    // program): wait for where it comes back to.
    if (m_closing || !now) {
        return;
    }
    if (isOwnWindow(now)) {
        m_familyActive = true;
        return;
    }
    if (!m_familyActive) {
        return; // not active since it was shown, or already left
    }
    m_familyActive = false;
    if (m_ownTurns > 0 || !m_session->closesOnDeactivation()) {
        return;
    }
    // Close once the activation change has been delivered, and only if it
    // stuck: closing inside it would move the activation again.
    QTimer::singleShot(0, this, [this] {
        if (!m_closing && m_ownTurns == 0 && m_session->closesOnDeactivation()
            && !isOwnWindow(QGuiApplication::focusWindow())) {
            closeWindow();
        }
    });
}

} // namespace tarvik::gui
