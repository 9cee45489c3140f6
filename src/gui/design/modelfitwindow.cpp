// The Fit Model to Measurements window; see modelfitwindow.h.
#include "gui/design/modelfitwindow.h"

#include "core/layout/entrynumbers.h"
#include "core/text/numberreading.h"
#include "gui/common/screenplacement.h"
#include "gui/design/measurementowner.h"
#include "gui/design/optimizerworker.h"
#include "gui/document/layoutdocument.h"
#include "gui/document/settingsowner.h"
#include "gui/platform/platform.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tarvik::gui {

namespace {

constexpr int kDefaultTimeLimitS = 30;
constexpr int kPollMs = 200;
enum Column { Vary, Name, Typed, Tolerance };

QPushButton *button(QWidget *parent, const QString &text, const QString &name)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

QLabel *readout(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString degrees(const std::optional<double> &value)
{
    return value ? QStringLiteral("%1 deg").arg(*value, 0, 'f', 3)
                 : QStringLiteral("(the layout is a problem)");
}

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

ModelFitWindow::ModelFitWindow(Platform &platform, LayoutDocument &document,
    SettingsOwner &settings, MeasurementOwner &measurements, std::function<void()> openMeasurements,
    QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_platform(platform)
    , m_document(document)
    , m_settings(settings)
    , m_measurements(measurements)
    , m_worker(new OptimizerWorker(this))
{
    setObjectName(QStringLiteral("frmFitModel"));
    setWindowTitle(QStringLiteral("Fit Model to Measurements"));

    m_readings = readout(this, QStringLiteral("FitReadings"));
    auto *edit
        = button(this, QStringLiteral("&Measurements..."), QStringLiteral("FitMeasurements"));
    edit->setEnabled(bool(openMeasurements));
    connect(edit, &QPushButton::clicked, this, [openMeasurements] {
        if (openMeasurements) {
            openMeasurements();
        }
    });

    auto *unsure = new QGroupBox(QStringLiteral("Coordinates You Are Unsure Of"), this);
    auto *unsureLayout = new QVBoxLayout(unsure);
    m_coordinates = new QTableWidget(0, 4, unsure);
    m_coordinates->setObjectName(QStringLiteral("FitCoordinates"));
    m_coordinates->setHorizontalHeaderLabels({ QStringLiteral("Vary"), QStringLiteral("Coordinate"),
        QStringLiteral("Typed"), QStringLiteral("Tolerance \u00b1") });
    m_coordinates->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_coordinates->horizontalHeader()->setSectionResizeMode(Name, QHeaderView::Stretch);
    m_coordinates->setMinimumWidth(440);
    m_coordinates->verticalHeader()->hide();
    unsureLayout->addWidget(m_coordinates);

    auto *run = new QGroupBox(QStringLiteral("Fit"), this);
    auto *form = new QFormLayout(run);
    m_timeLimit = new QSpinBox(run);
    m_timeLimit->setObjectName(QStringLiteral("FitTimeLimit"));
    m_timeLimit->setRange(1, 3600);
    m_timeLimit->setValue(kDefaultTimeLimitS);
    m_timeLimit->setSuffix(QStringLiteral(" s"));
    form->addRow(QStringLiteral("Time limit:"), m_timeLimit);
    m_before = readout(run, QStringLiteral("FitResidualBefore"));
    m_after = readout(run, QStringLiteral("FitResidualAfter"));
    form->addRow(QStringLiteral("RMS residual before:"), m_before);
    form->addRow(QStringLiteral("RMS residual after:"), m_after);
    m_moves = new QTableWidget(0, 4, run);
    m_moves->setObjectName(QStringLiteral("FitMoves"));
    m_moves->setHorizontalHeaderLabels({ QStringLiteral("Coordinate"), QStringLiteral("Typed"),
        QStringLiteral("Fitted"), QStringLiteral("Move") });
    m_moves->horizontalHeader()->setStretchLastSection(true);
    m_moves->verticalHeader()->hide();
    m_moves->setEditTriggers(QAbstractItemView::NoEditTriggers);
    form->addRow(m_moves);
    auto *runButtons = new QHBoxLayout;
    m_start = button(run, QStringLiteral("&Start Fit"), QStringLiteral("FitStart"));
    m_stop = button(run, QStringLiteral("S&top"), QStringLiteral("FitStop"));
    m_apply = button(run, QStringLiteral("&Apply to Layout"), QStringLiteral("FitApply"));
    runButtons->addWidget(m_start);
    runButtons->addWidget(m_stop);
    runButtons->addWidget(m_apply);
    form->addRow(runButtons);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("FitStatus"));
    m_status->setWordWrap(true);
    auto *close = button(this, QStringLiteral("&Close"), QStringLiteral("FitClose"));

    auto *top = new QHBoxLayout;
    top->addWidget(m_readings, 1);
    top->addWidget(edit);
    auto *middle = new QHBoxLayout;
    middle->addWidget(unsure, 3);
    middle->addWidget(run, 2);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);
    resize(900, 560);

    connect(m_start, &QPushButton::clicked, this, &ModelFitWindow::startCommand);
    connect(m_stop, &QPushButton::clicked, this, &ModelFitWindow::stopCommand);
    connect(m_apply, &QPushButton::clicked, this, &ModelFitWindow::applyCommand);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_worker, &OptimizerWorker::finished, this, &ModelFitWindow::finished);
    connect(&m_poll, &QTimer::timeout, this, [this] {
        const OptimizerProgress p = m_worker->progress();
        m_status->setText(QStringLiteral("Fitting (%1): %2 layouts solved, %3 s.")
                              .arg(qs(p.stage))
                              .arg(p.evaluations)
                              .arg(p.elapsedS, 0, 'f', 1));
    });
    connect(&m_document, &LayoutDocument::layoutChanged, this, &ModelFitWindow::followLayout);
    connect(&m_measurements, &MeasurementOwner::changed, this, &ModelFitWindow::showReadings);
    refillCoordinates();
    showReadings();
    updateButtons();
    keepOnScreen(this);
}

ModelFitWindow::~ModelFitWindow()
{
    m_worker->stop();
}

bool ModelFitWindow::isRunning() const
{
    return m_worker->isRunning();
}

void ModelFitWindow::refillCoordinates()
{
    // Keeps each row's tick and tolerance; a change of units starts again.
    const LayoutState &layout = m_document.state();
    const double tolerance = defaultFitTolerance(layout.units);
    const bool fresh = m_coordinates->rowCount() == 0;
    if (fresh) {
        m_coordinates->setRowCount(24);
    }
    int r = 0;
    for (int side = kSideRight; side <= kSideLeft; ++side) {
        for (int row = kUpperBallJoint; row <= kLowerSpringPad; ++row) {
            for (int column = kColumnX; column <= kColumnHeight; ++column, ++r) {
                const Entry entry = Entry::coordinate(side, static_cast<PointRow>(row), column);
                if (fresh) {
                    auto *tick = new QTableWidgetItem;
                    tick->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
                    tick->setCheckState(Qt::Unchecked);
                    tick->setData(Qt::UserRole, entry.number());
                    m_coordinates->setItem(r, Vary, tick);
                    auto *name = new QTableWidgetItem(qs(coordinateName(entry)));
                    name->setFlags(Qt::ItemIsEnabled);
                    m_coordinates->setItem(r, Name, name);
                    auto *typed = new QTableWidgetItem;
                    typed->setFlags(Qt::ItemIsEnabled);
                    m_coordinates->setItem(r, Typed, typed);
                    m_coordinates->setItem(
                        r, Tolerance, new QTableWidgetItem(QString::number(tolerance)));
                }
                m_coordinates->item(r, Typed)->setText(
                    QString::fromStdString(layout.record.get(entry)));
                const bool follows = coordinateFollowsArm(layout, m_settings.get(), entry);
                m_coordinates->item(r, Vary)->setFlags(
                    follows ? Qt::ItemFlags() : Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
            }
        }
    }
}

void ModelFitWindow::vary(const QString &name, double tolerance)
{
    for (int r = 0; r < m_coordinates->rowCount(); ++r) {
        if (m_coordinates->item(r, Name)->text() == name) {
            m_coordinates->item(r, Vary)->setCheckState(Qt::Checked);
            m_coordinates->item(r, Tolerance)->setText(QString::number(tolerance));
        }
    }
}

void ModelFitWindow::showReadings()
{
    const MeasurementSet &set = m_measurements.get();
    int readings = 0;
    for (const MeasurementRow &row : set.rows) {
        readings += (row.camber[0] ? 1 : 0) + (row.camber[1] ? 1 : 0);
    }
    const QString file = m_measurements.filePath();
    m_readings->setText(QStringLiteral("%1 camber readings at %2 positions%3.")
                            .arg(readings)
                            .arg(set.rows.size())
                            .arg(file.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(file)));
}

void ModelFitWindow::startCommand()
{
    if (isRunning()) {
        return;
    }
    FitRequest request;
    request.layout = m_document.state();
    request.settings = m_settings.get();
    request.measured = m_measurements.get();
    for (int r = 0; r < m_coordinates->rowCount(); ++r) {
        if (m_coordinates->item(r, Vary)->checkState() != Qt::Checked) {
            continue;
        }
        const QString text = m_coordinates->item(r, Tolerance)->text().trimmed();
        double tolerance = 0;
        if (!readDesignNumber(text.toStdString(), tolerance) || !(tolerance > 0)) {
            m_status->setText(
                QStringLiteral("The tolerance of %1 must be a number above 0, not '%2'.")
                    .arg(m_coordinates->item(r, Name)->text(), text));
            return;
        }
        const int number = m_coordinates->item(r, Vary)->data(Qt::UserRole).toInt();
        if (const std::optional<Entry> entry = Entry::numbered(number)) {
            request.variables.push_back(fitVariable(request.layout, *entry, tolerance));
        }
    }
    if (const std::string refusal = fitRefusal(request); !refusal.empty()) {
        m_status->setText(qs(refusal));
        return;
    }
    m_request = request;
    m_answer.reset();
    m_stale = false;
    m_replaced = false;
    m_moves->setRowCount(0);
    m_after->clear();
    OptimizerOptions options;
    options.timeLimitS = m_timeLimit->value();
    m_worker->start(fitProblem(request), options);
    m_poll.start(kPollMs);
    updateButtons();
}

void ModelFitWindow::stopCommand()
{
    m_worker->cancel();
}

void ModelFitWindow::finished(const OptimizerResult &result)
{
    m_poll.stop();
    const bool replaced = m_replaced || m_request.layout.units != m_document.state().units;
    if (replaced) {
        m_status->setText(QStringLiteral(
            "The layout was replaced or converted while the fit ran; its answer does not fit "
            "it. Start again."));
    } else {
        m_answer = fitOutcome(m_request, result);
        if (!m_answer->refusal.empty()) {
            m_status->setText(qs(m_answer->refusal));
            m_answer.reset();
        } else {
            showAnswer();
        }
    }
    updateButtons();
    emit fitFinished();
}

void ModelFitWindow::showAnswer()
{
    const FitResult &fit = *m_answer;
    m_before->setText(degrees(fit.residualBefore));
    m_after->setText(degrees(fit.residualAfter));
    m_moves->setRowCount(static_cast<int>(fit.moves.size()));
    QStringList flagged;
    for (std::size_t i = 0; i < fit.moves.size(); ++i) {
        const FitMove &move = fit.moves[i];
        const int r = static_cast<int>(i);
        const double tolerance = (move.maxValue - move.minValue) / 2;
        const QString change = QStringLiteral("%1%2")
                                   .arg(move.after >= move.before ? QStringLiteral("+") : QString())
                                   .arg(move.after - move.before, 0, 'f', 2);
        const QString shown = move.atTolerance
            ? change + QStringLiteral("  ") + qs(fitFlagText(tolerance, m_request.layout.units))
            : change;
        const QString cells[] = { qs(move.name), QString::number(move.before, 'f', 2),
            QString::number(move.after, 'f', 2), shown };
        for (int c = 0; c < 4; ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            if (move.atTolerance) {
                item->setForeground(QColor(170, 0, 0));
            }
            m_moves->setItem(r, c, item);
        }
        if (move.atTolerance) {
            flagged << qs(move.name);
        }
    }
    m_moves->resizeColumnsToContents();
    const QString how = fit.stop == OptimizerStop::Cancelled ? QStringLiteral("Stopped")
        : fit.stop == OptimizerStop::TimeLimit               ? QStringLiteral("Time limit reached")
                                                             : QStringLiteral("Done");
    QString text
        = how + QStringLiteral(": Apply writes the fitted values into the layout as one change.");
    if (fit.layoutProblem) {
        m_answer.reset();
        text = how + QStringLiteral(": no allowed move gives a sound layout; nothing to apply.");
    } else if (!flagged.isEmpty()) {
        text += QStringLiteral(" %1 ended at the edge of the tolerance: look at how it was "
                               "measured, or widen its tolerance.")
                    .arg(flagged.join(QStringLiteral(", ")));
    }
    m_status->setText(text);
}

void ModelFitWindow::applyCommand()
{
    if (!m_answer || isRunning()) {
        return;
    }
    if (m_stale
        && m_platform.message(this, QStringLiteral("Fit Model to Measurements"),
               QStringLiteral("The layout changed after the fit started. Apply the fit made for "
                              "the layout as it was?"),
               MessageButtons::YesNo, MessageIcon::Question, MessageAnswer::No)
            != MessageAnswer::Yes) {
        return;
    }
    EntryEdits texts;
    for (const DesignEntryChange &change : m_answer->entries) {
        texts.emplace_back(change.entry, qs(change.text));
    }
    m_document.setEntries(texts, false, QStringLiteral("Fit Model to Measurements"));
    m_answer.reset();
    m_stale = false;
    m_status->setText(QStringLiteral(
        "Applied to the layout. Edit > Undo Fit Model to Measurements takes it back."));
    updateButtons();
}

void ModelFitWindow::followLayout(const LayoutChange &change)
{
    if (change.everything || change.units) {
        if (isRunning()) {
            m_replaced = true;
        } else {
            m_answer.reset();
        }
        if (change.units) {
            m_coordinates->setRowCount(0); // tolerances start again in the new unit
        }
    } else if (!change.fromSolve && !change.entries.isEmpty() && (isRunning() || m_answer)) {
        m_stale = true;
    }
    refillCoordinates();
    showReadings();
    updateButtons();
}

void ModelFitWindow::updateButtons()
{
    const bool running = isRunning();
    m_start->setEnabled(!running);
    m_stop->setEnabled(running);
    m_apply->setEnabled(!running && m_answer.has_value());
    m_coordinates->setEnabled(!running);
}

void ModelFitWindow::closeEvent(QCloseEvent *event)
{
    m_worker->stop();
    m_poll.stop();
    updateButtons();
    event->accept();
}

} // namespace tarvik::gui
