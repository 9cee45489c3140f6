// Design > Find Pick-up Points; see pickupoptimizerwindow.h.
#include "gui/design/pickupoptimizerwindow.h"

#include "core/layout/entrynumbers.h"
#include "gui/common/screenplacement.h"
#include "gui/design/designcoordinatespanel.h"
#include "gui/design/designtargetspanel.h"
#include "gui/design/optimizerworker.h"
#include "gui/design/sensitivitypanel.h"
#include "gui/document/layoutdocument.h"
#include "gui/document/settingsowner.h"
#include "gui/platform/platform.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tarvik::gui {

namespace {

constexpr int kPollMs = 100;
constexpr int kDefaultTimeLimitS = 30;
const char *const kStages[] = { "sampling", "evolving", "polishing", "rounding" };

QString stageText(const std::string &stage)
{
    for (int i = 0; i < 4; ++i) {
        if (stage == kStages[i]) {
            return QStringLiteral("%1 (%2 of 4)").arg(QString::fromLatin1(kStages[i])).arg(i + 1);
        }
    }
    return stage.empty() ? QStringLiteral("starting") : QString::fromStdString(stage);
}

QString count(double n)
{
    return QLocale(QLocale::English).toString(static_cast<qulonglong>(n));
}

QLabel *readout(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(QStringLiteral("-"), parent);
    label->setObjectName(name);
    label->setMinimumWidth(100);
    return label;
}

QPushButton *button(QWidget *parent, const QString &text, const QString &name)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

PickupOptimizerWindow::PickupOptimizerWindow(
    Platform &platform, LayoutDocument &document, SettingsOwner &settings, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_platform(platform)
    , m_document(document)
    , m_settings(settings)
    , m_form(std::make_unique<DesignForm>(document.state(), settings.get()))
    , m_worker(new OptimizerWorker(this))
{
    setObjectName(QStringLiteral("frmDesign"));
    setWindowTitle(QStringLiteral("Find Pick-up Points"));
    keepOnScreen(this);
    setAttribute(Qt::WA_DeleteOnClose);
    build();
    connect(m_worker, &OptimizerWorker::finished, this, &PickupOptimizerWindow::finished);
    connect(&m_poll, &QTimer::timeout, this, &PickupOptimizerWindow::poll);
    connect(
        &m_document, &LayoutDocument::layoutChanged, this, &PickupOptimizerWindow::followLayout);
    connect(&m_settings, &SettingsOwner::changed, this, [this] {
        if (!isRunning()) {
            refreshFromLayout(false);
        }
    });
    updateButtons();
    say(QStringLiteral("Tick the targets to reach and the coordinates that may move, then "
                       "Start."));
}

PickupOptimizerWindow::~PickupOptimizerWindow()
{
    m_worker->stop();
}

void PickupOptimizerWindow::build()
{
    m_targets = new DesignTargetsPanel(*m_form, this);
    m_coordinates = new DesignCoordinatesPanel(*m_form, this);
    connect(m_targets, &DesignTargetsPanel::motionEdited, this, [this] {
        if (!isRunning()) {
            m_form->refresh(m_document.state(), m_settings.get());
            m_targets->showNow();
        }
    });

    auto *search = new QGroupBox(QStringLiteral("Search"), this);
    auto *form = new QFormLayout(search);
    m_timeLimit = new QSpinBox(search);
    m_timeLimit->setObjectName(QStringLiteral("DesignTimeLimit"));
    m_timeLimit->setRange(1, 3600);
    m_timeLimit->setValue(kDefaultTimeLimitS);
    m_timeLimit->setSuffix(QStringLiteral(" s"));
    m_timeLimit->setMaximumWidth(90);
    form->addRow(QStringLiteral("Time limit:"), m_timeLimit);
    m_preferSmall = new QCheckBox(QStringLiteral("&Prefer the smallest change"), search);
    m_preferSmall->setObjectName(QStringLiteral("DesignPreferSmall"));
    m_preferSmall->setChecked(m_form->preferSmallChange());
    m_preferSmall->setToolTip(QStringLiteral(
        "Of the answers that meet the targets equally, take the one that moves the boxes least."));
    form->addRow(m_preferSmall);
    m_stage = readout(search, QStringLiteral("DesignStage"));
    m_evaluations = readout(search, QStringLiteral("DesignEvaluations"));
    m_elapsed = readout(search, QStringLiteral("DesignElapsed"));
    m_rate = readout(search, QStringLiteral("DesignRate"));
    m_error = readout(search, QStringLiteral("DesignError"));
    form->addRow(QStringLiteral("Stage:"), m_stage);
    form->addRow(QStringLiteral("Layouts solved:"), m_evaluations);
    form->addRow(QStringLiteral("Elapsed:"), m_elapsed);
    form->addRow(QStringLiteral("Per second:"), m_rate);
    form->addRow(QStringLiteral("Best error:"), m_error);
    auto *runButtons = new QHBoxLayout;
    m_start = button(search, QStringLiteral("&Start"), QStringLiteral("DesignStart"));
    m_stop = button(search, QStringLiteral("S&top"), QStringLiteral("DesignStop"));
    runButtons->addWidget(m_start);
    runButtons->addWidget(m_stop);
    form->addRow(runButtons);

    auto *answer = new QGroupBox(QStringLiteral("Boxes the Answer Changes"), this);
    auto *answerLayout = new QGridLayout(answer);
    m_changes = new QPlainTextEdit(answer);
    m_changes->setObjectName(QStringLiteral("DesignChanges"));
    m_changes->setReadOnly(true);
    m_changes->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_changes->setMinimumHeight(120);
    m_apply = button(answer, QStringLiteral("&Apply to Layout"), QStringLiteral("DesignApply"));
    m_movement = new QLabel(answer);
    m_movement->setObjectName(QStringLiteral("DesignMovement"));
    answerLayout->addWidget(m_changes, 0, 0, 1, 2);
    answerLayout->addWidget(m_movement, 1, 0);
    answerLayout->addWidget(m_apply, 1, 1);
    answerLayout->setColumnStretch(0, 1);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("DesignStatus"));
    m_status->setWordWrap(true);
    m_close = button(this, QStringLiteral("&Close"), QStringLiteral("DesignClose"));

    // The search on one tab, the sensitivity table of the layout on another.
    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("DesignTabs"));
    auto *searchPage = new QWidget(tabs);
    tabs->addTab(searchPage, QStringLiteral("&Find Pick-up Points"));
    tabs->addTab(
        new SensitivityPanel(m_document, m_settings, tabs), QStringLiteral("&Which Point Matters"));
    auto *grid = new QGridLayout(searchPage);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(m_targets, 0, 0);
    grid->addWidget(m_coordinates, 0, 1, 2, 1);
    auto *lower = new QHBoxLayout;
    lower->addWidget(search);
    lower->addWidget(answer, 1);
    grid->addLayout(lower, 1, 0);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addWidget(m_close);
    auto *page = new QVBoxLayout(this);
    page->addWidget(tabs, 1);
    page->addLayout(bottom);

    connect(m_start, &QPushButton::clicked, this, &PickupOptimizerWindow::startCommand);
    connect(m_stop, &QPushButton::clicked, this, &PickupOptimizerWindow::stopCommand);
    connect(m_apply, &QPushButton::clicked, this, &PickupOptimizerWindow::applyCommand);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
}

bool PickupOptimizerWindow::isRunning() const
{
    return m_worker->isRunning();
}

void PickupOptimizerWindow::startCommand()
{
    if (isRunning()) {
        return;
    }
    refreshFromLayout(false);
    m_form->setPreferSmallChange(m_preferSmall->isChecked());
    const DesignFormProblem posed = m_form->problem();
    if (!posed.refusal.empty()) {
        say(QString::fromStdString(posed.refusal));
        return;
    }
    m_runRows.clear();
    for (std::size_t k = 0; k < m_form->targets().size(); ++k) {
        if (m_form->targets()[k].used) {
            m_runRows.push_back(k);
        }
    }
    m_runLayout = m_document.state();
    m_answer.reset();
    m_answerChanges.clear();
    m_stale = false;
    m_replaced = false;
    m_changes->clear();
    m_movement->clear();
    m_targets->showAchieved({});
    OptimizerOptions options;
    options.timeLimitS = m_timeLimit->value();
    m_worker->start(posed.problem, options);
    m_targets->setEditable(false);
    m_coordinates->setEditable(false);
    m_poll.start(kPollMs);
    poll();
    say(QStringLiteral("Searching on every core. Stop keeps the best layout found so far."));
    updateButtons();
}

void PickupOptimizerWindow::stopCommand()
{
    m_worker->cancel();
}

void PickupOptimizerWindow::poll()
{
    const OptimizerProgress p = m_worker->progress();
    m_stage->setText(stageText(p.stage));
    m_evaluations->setText(count(double(p.evaluations)));
    m_elapsed->setText(QStringLiteral("%1 s").arg(p.elapsedS, 0, 'f', 1));
    m_rate->setText(
        p.elapsedS > 0 ? count(double(p.evaluations) / p.elapsedS) : QStringLiteral("-"));
    m_error->setText(
        p.sound ? QString::number(p.error, 'g', 4) : QStringLiteral("no sound layout yet"));
    showAchieved(p.achieved);
}

void PickupOptimizerWindow::showAchieved(const std::vector<double> &achieved)
{
    std::vector<double> byRow(m_form->targets().size(), std::nan(""));
    for (std::size_t i = 0; i < m_runRows.size() && i < achieved.size(); ++i) {
        byRow[m_runRows[i]] = achieved[i];
    }
    m_targets->showAchieved(byRow);
}

void PickupOptimizerWindow::finished(const OptimizerResult &result)
{
    m_poll.stop();
    poll();
    m_targets->setEditable(true);
    m_coordinates->setEditable(true);
    const bool replaced = m_replaced || m_runLayout.units != m_document.state().units;
    if (!result.refusal.empty()) {
        say(QString::fromStdString(result.refusal));
    } else if (replaced) {
        say(QStringLiteral("The layout was replaced or converted while the search ran; its "
                           "answer does not fit it. Start again."));
    } else {
        std::vector<double> achieved;
        for (const DesignTargetOutcome &t : result.targets) {
            achieved.push_back(t.achieved);
        }
        showAchieved(achieved);
        m_answer = result;
        m_answerChanges = designChanges(m_runLayout, result);
        QStringList lines;
        for (const DesignChange &c : m_answerChanges) {
            lines << QStringLiteral("%1: %2 \u2192 %3")
                         .arg(QString::fromStdString(c.label), QString::fromStdString(c.before),
                             QString::fromStdString(c.after));
        }
        m_changes->setPlainText(lines.join(QLatin1Char('\n')));
        m_movement->setText(QString::fromStdString(designMovementText(result, m_runLayout.units)));
        const QString how = result.stop == OptimizerStop::Cancelled ? QStringLiteral("Stopped")
            : result.stop == OptimizerStop::TimeLimit ? QStringLiteral("Time limit reached")
                                                      : QStringLiteral("Done");
        if (result.layoutProblem) {
            m_answer.reset();
            say(how + QStringLiteral(": no allowed move gives a sound layout; nothing to apply."));
        } else if (m_answerChanges.empty()) {
            m_answer.reset();
            say(how
                + QStringLiteral(": the layout as it stands is the best answer; nothing "
                                 "changes."));
        } else if (m_stale) {
            say(how
                + QStringLiteral(": but the layout changed while the search ran. This answer "
                                 "is for the layout as it was."));
        } else {
            say(how + QStringLiteral(": Apply writes these boxes into the layout as one change."));
        }
    }
    refreshFromLayout(replaced);
    updateButtons();
    emit searchFinished();
}

void PickupOptimizerWindow::applyCommand()
{
    if (!m_answer || isRunning()) {
        return;
    }
    if (m_stale
        && m_platform.message(this, QStringLiteral("Find Pick-up Points"),
               QStringLiteral("The layout changed after the search started. Apply the answer "
                              "found for the layout as it was?"),
               MessageButtons::YesNo, MessageIcon::Question, MessageAnswer::No)
            != MessageAnswer::Yes) {
        return;
    }
    EntryEdits texts;
    for (const DesignChange &c : m_answerChanges) {
        texts.emplace_back(c.entry, QString::fromStdString(c.after));
    }
    m_applying = true;
    m_document.setEntries(texts, false, QStringLiteral("Find Pick-up Points"));
    m_applying = false;
    m_answer.reset();
    m_stale = false;
    say(QStringLiteral("Applied to the layout. Edit > Undo Find Pick-up Points takes it back."));
    refreshFromLayout(false);
    updateButtons();
}

void PickupOptimizerWindow::followLayout(const LayoutChange &change)
{
    if (m_applying || change.fromSolve) {
        return;
    }
    bool moved = change.suspensionType || change.everything || change.units;
    for (const Entry entry : change.entries) {
        moved = moved || (entry != Entry::dive() && entry != Entry::roll());
    }
    if (!moved) {
        return;
    }
    if (isRunning()) {
        m_stale = true;
        m_replaced = m_replaced || change.everything || change.units;
        say(QStringLiteral("The layout changed while the search runs: its answer will be for "
                           "the layout as it was."));
        return;
    }
    if (m_answer) {
        if (change.everything || change.units) {
            m_answer.reset();
            say(QStringLiteral("The layout was replaced or converted: the answer no longer fits "
                               "it. Start again."));
        } else {
            m_stale = true;
            say(QStringLiteral("The layout changed since the search: this answer is for the "
                               "layout as it was."));
        }
    }
    refreshFromLayout(change.everything);
    updateButtons();
}

void PickupOptimizerWindow::refreshFromLayout(bool afresh)
{
    const bool otherUnits = m_document.state().units != m_form->layout().units;
    if (afresh) {
        *m_form = DesignForm(m_document.state(), m_settings.get());
    } else {
        m_form->refresh(m_document.state(), m_settings.get());
    }
    if (afresh || otherUnits) {
        m_targets->refill();
        m_coordinates->refill();
    } else {
        m_targets->showNow();
        m_coordinates->showNow();
    }
}

void PickupOptimizerWindow::updateButtons()
{
    const bool running = isRunning();
    m_start->setEnabled(!running);
    m_stop->setEnabled(running);
    m_apply->setEnabled(!running && m_answer.has_value());
    m_timeLimit->setEnabled(!running);
    m_preferSmall->setEnabled(!running);
}

void PickupOptimizerWindow::say(const QString &text)
{
    m_status->setText(text);
}

void PickupOptimizerWindow::closeEvent(QCloseEvent *event)
{
    m_poll.stop();
    m_worker->stop();
    event->accept();
}

} // namespace tarvik::gui
