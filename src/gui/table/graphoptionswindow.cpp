// frmGrOptions, the graph options window; see graphoptionswindow.h.
#include "gui/table/graphoptionswindow.h"

#include "core/support/helptopic.h"
#include "core/table/graphdata.h"
#include "gui/common/screenplacement.h"
#include "gui/document/settingsowner.h"
#include "gui/platform/platform.h"
#include "gui/support/helpwindow.h"
#include "gui/table/graphwindow.h"

#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tarvik::gui {

namespace {

// An option as wide as its caption, so a click beside it changes nothing.
QRadioButton *addOption(QGroupBox *frame, QBoxLayout *layout, const QString &text, const char *name)
{
    auto *button = new QRadioButton(text, frame);
    button->setObjectName(QString::fromLatin1(name));
    layout->addWidget(button, 0, Qt::AlignLeft);
    return button;
}

QPushButton *addButton(QWidget *parent, QLayout *layout, const QString &text, const char *name)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    layout->addWidget(button);
    return button;
}

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

GraphOptionsWindow::GraphOptionsWindow(
    Platform &platform, const DataFolder &data, SettingsOwner &settings, GraphWindow &graph)
    : QWidget(&graph, Qt::Window)
    , m_platform(platform)
    , m_data(data)
    , m_settings(settings)
    , m_graph(graph)
{
    setObjectName(QStringLiteral("frmGrOptions"));
    setWindowTitle(QStringLiteral("Options for Making Graphs"));
    keepOnScreen(this);
    auto *grid = new QGridLayout(this);

    auto *background = new QGroupBox(QStringLiteral("Background Color"), this);
    auto *backgroundLayout = new QVBoxLayout(background);
    QRadioButton *black
        = addOption(background, backgroundLayout, QStringLiteral("Black"), "optBlack");
    QRadioButton *white
        = addOption(background, backgroundLayout, QStringLiteral("White"), "optWhite");
    grid->addWidget(background, 0, 0);

    auto *lines = new QGroupBox(QStringLiteral("Plot Lines"), this);
    auto *linesLayout = new QVBoxLayout(lines);
    QRadioButton *thick = addOption(lines, linesLayout, QStringLiteral("Thick"), "optThick");
    QRadioButton *thin = addOption(lines, linesLayout, QStringLiteral("Thin"), "optThin");
    grid->addWidget(lines, 1, 0);

    auto *labels = new QGroupBox(QStringLiteral("Graph Labels"), this);
    auto *labelsLayout = new QVBoxLayout(labels);
    QRadioButton *standard = addOption(
        labels, labelsLayout, QStringLiteral("Use Standard Labels"), "optStandardLabels");
    QRadioButton *given = addOption(
        labels, labelsLayout, QStringLiteral("Use Labels Given Here"), "optGivenLabels");
    auto *boxes = new QFormLayout;
    const char *captions[3] = { "Plot Title", "Current Run's Label", "Baseline Run's Label" };
    const char *names[3] = { "txtPlotTitle", "txtCurrentRunLabel", "txtBaselineRunLabel" };
    for (int i = 0; i < 3; ++i) {
        m_labels[i] = new QLineEdit(labels);
        m_labels[i]->setObjectName(QString::fromLatin1(names[i]));
        m_labels[i]->setMinimumWidth(240);
        boxes->addRow(QString::fromLatin1(captions[i]), m_labels[i]);
    }
    labelsLayout->addLayout(boxes);
    grid->addWidget(labels, 0, 1, 2, 1);

    auto *print = new QGroupBox(QStringLiteral("Print"), this);
    auto *printLayout = new QHBoxLayout(print);
    auto *printModes = new QVBoxLayout;
    QRadioButton *blackWhite
        = addOption(print, printModes, QStringLiteral("Black && White"), "optBlackWhite");
    QRadioButton *colour = addOption(print, printModes, QStringLiteral("Color"), "optColor");
    printLayout->addLayout(printModes);
    auto *printButtons = new QVBoxLayout;
    QPushButton *printNow
        = addButton(print, printButtons, QStringLiteral("Print Now"), "cmdPrintNow");
    QPushButton *setup = addButton(
        print, printButtons, QStringLiteral("Windows Printer Setup"), "cmdPrinterSetup");
    printLayout->addLayout(printButtons);
    grid->addWidget(print, 2, 0, 1, 2);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton *ok = addButton(this, buttons, QStringLiteral("OK"), "cmdOk");
    QPushButton *help = addButton(this, buttons, QStringLiteral("Help"), "cmdHelp");
    ok->setDefault(true);
    grid->addLayout(buttons, 3, 0, 1, 2);

    const auto set = [this](auto apply) { m_settings.change(apply); };
    connect(black, &QRadioButton::clicked, this,
        [set] { set([](Settings &s) { s.graph.background = kGraphBlackBackground; }); });
    connect(white, &QRadioButton::clicked, this,
        [set] { set([](Settings &s) { s.graph.background = kGraphWhiteBackground; }); });
    connect(thick, &QRadioButton::clicked, this,
        [set] { set([](Settings &s) { s.graph.thickLines = 1; }); });
    connect(thin, &QRadioButton::clicked, this,
        [set] { set([](Settings &s) { s.graph.thickLines = 0; }); });
    connect(blackWhite, &QRadioButton::clicked, this,
        [set] { set([](Settings &s) { s.graph.printColor = 0; }); });
    connect(colour, &QRadioButton::clicked, this,
        [set] { set([](Settings &s) { s.graph.printColor = 1; }); });
    connect(given, &QRadioButton::clicked, this, &GraphOptionsWindow::useLabelsGivenHere);
    connect(standard, &QRadioButton::clicked, this, &GraphOptionsWindow::useStandardLabels);
    connect(printNow, &QPushButton::clicked, this, [this] { m_graph.printNow(); });
    connect(setup, &QPushButton::clicked, this, [this] { m_graph.printerSetup(); });
    connect(ok, &QPushButton::clicked, this, &GraphOptionsWindow::ok);
    connect(help, &QPushButton::clicked, this, &GraphOptionsWindow::showHelp);
    // The boxes are left alone here: they may hold a label being typed.
    connect(&m_settings, &SettingsOwner::changed, this, &GraphOptionsWindow::showOptions);

    showSettings();
}

QRadioButton *GraphOptionsWindow::option(const QString &objectName) const
{
    return findChild<QRadioButton *>(objectName);
}

void GraphOptionsWindow::showSettings()
{
    showOptions();
    const GraphOptions &options = m_settings.get().graph;
    m_labels[0]->setText(qs(options.plotTitle));
    m_labels[1]->setText(qs(options.currentRunLabel));
    m_labels[2]->setText(qs(options.baselineRunLabel));
    setLabelBoxesEnabled(options.labelMode == 1);
}

void GraphOptionsWindow::showOptions()
{
    const GraphOptions &options = m_settings.get().graph;
    option(QStringLiteral("optBlack"))->setChecked(options.background != kGraphWhiteBackground);
    option(QStringLiteral("optWhite"))->setChecked(options.background == kGraphWhiteBackground);
    option(QStringLiteral("optThick"))->setChecked(options.thickLines == 1);
    option(QStringLiteral("optThin"))->setChecked(options.thickLines != 1);
    option(QStringLiteral("optGivenLabels"))->setChecked(options.labelMode == 1);
    option(QStringLiteral("optStandardLabels"))->setChecked(options.labelMode != 1);
    option(QStringLiteral("optColor"))->setChecked(options.printColor == 1);
    option(QStringLiteral("optBlackWhite"))->setChecked(options.printColor != 1);
}

void GraphOptionsWindow::setLabelBoxesEnabled(bool enabled)
{
    for (QLineEdit *box : m_labels) {
        box->setEnabled(enabled);
    }
}

void GraphOptionsWindow::useLabelsGivenHere()
{
    GraphLabelTexts texts;
    m_settings.change([&texts](Settings &s) { texts = tarvik::useLabelsGivenHere(s.graph); });
    m_labels[0]->setText(qs(texts.plotTitle));
    m_labels[1]->setText(qs(texts.currentRunLabel));
    m_labels[2]->setText(qs(texts.baselineRunLabel));
    setLabelBoxesEnabled(true);
}

void GraphOptionsWindow::useStandardLabels()
{
    const GraphLabelTexts boxes { m_labels[0]->text().toStdString(),
        m_labels[1]->text().toStdString(), m_labels[2]->text().toStdString() };
    m_settings.change([&boxes](Settings &s) { tarvik::useStandardLabels(s.graph, boxes); });
    setLabelBoxesEnabled(false);
}

void GraphOptionsWindow::left()
{
    if (m_reloading) {
        return;
    }
    m_reloading = true;
    // With standard labels the boxes are shut and their texts were stored by
    // "Use Standard Labels", where a "~" keeps the stored label: storing them
    // again would put the "~" itself in its place.
    if (m_settings.get().graph.labelMode == 1) {
        const GraphLabelTexts boxes { m_labels[0]->text().toStdString(),
            m_labels[1]->text().toStdString(), m_labels[2]->text().toStdString() };
        m_settings.change([&boxes](Settings &s) { storeGraphLabels(s.graph, boxes); });
    }
    m_graph.reload();
    m_reloading = false;
}

void GraphOptionsWindow::ok()
{
    left();
    close();
}

void GraphOptionsWindow::showHelp()
{
    auto *help = new HelpWindow(m_data.root(), kHelpGroupGraphOptions, this);
    help->setAttribute(Qt::WA_DeleteOnClose);
    help->show();
}

void GraphOptionsWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && isVisible()) {
        left();
    }
}

} // namespace tarvik::gui
