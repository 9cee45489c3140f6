// The file seek window; see seekwindow.h.
#include "gui/platform/seekwindow.h"

#include "core/support/documentviewers.h"
#include "gui/common/screenplacement.h"
#include "gui/common/shippedtextdisplay.h"
#include "gui/platform/platform.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvik::gui {

namespace {

// How often the window shows the walk's progress; fast enough to look live,
// slow enough to cost nothing next to the walk.
constexpr int kPollMs = 50;

QString qt(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

SeekWindow::SeekWindow(
    Platform &platform, const QString &name, const QStringList &roots, QWidget *parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_name(name)
    , m_roots(new QComboBox(this))
    , m_instruction(new QLabel(this))
    , m_folders(new QLabel(this))
    , m_foundCaption(new QLabel(this))
    , m_found(new QListWidget(this))
    , m_search(new QPushButton(QStringLiteral("Search"), this))
    , m_halt(new QPushButton(QStringLiteral("Cancel/Halt"), this))
    , m_use(new QPushButton(QStringLiteral("Use"), this))
{
    setObjectName(QStringLiteral("frmSeek"));
    setWindowTitle(qt(seekWindowTitle(name.toStdString())));
    keepOnScreen(this);
    setModal(true);

    m_roots->addItems(roots.isEmpty() ? QStringList { QStringLiteral("/") } : roots);
    m_roots->setObjectName(QStringLiteral("SeekRoot"));
    m_instruction->setObjectName(QStringLiteral("SeekInstruction"));
    m_instruction->setWordWrap(true);
    m_instruction->setText(withLabelLineBreaks(qt(seekInstructionText(name.toStdString()))));
    m_folders->setObjectName(QStringLiteral("SeekFolders"));
    m_foundCaption->setObjectName(QStringLiteral("SeekFoundCaption"));
    m_found->setObjectName(QStringLiteral("SeekFound"));
    m_found->setMinimumSize(520, 180);
    m_search->setObjectName(QStringLiteral("SeekSearch"));
    m_halt->setObjectName(QStringLiteral("SeekHalt"));
    m_use->setObjectName(QStringLiteral("SeekUse"));
    m_search->setDefault(true);
    m_use->hide();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_instruction);
    layout->addWidget(m_roots);
    layout->addWidget(m_folders);
    layout->addWidget(m_foundCaption);
    layout->addWidget(m_found, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_search);
    buttons->addWidget(m_halt);
    buttons->addStretch(1);
    buttons->addWidget(m_use);
    layout->addLayout(buttons);
    showCounts();

    connect(m_search, &QPushButton::clicked, this, &SeekWindow::search);
    connect(m_halt, &QPushButton::clicked, this, &SeekWindow::cancelOrHalt);
    connect(m_use, &QPushButton::clicked, this, &SeekWindow::useSelected);
    connect(m_found, &QListWidget::itemDoubleClicked, this,
        [this](QListWidgetItem *item) { choose(item->text()); });
    connect(&m_poll, &QTimer::timeout, this, &SeekWindow::poll);
}

SeekWindow::~SeekWindow()
{
    endWalk();
}

QString SeekWindow::foldersText() const
{
    return m_folders->text();
}

QString SeekWindow::foundCaption() const
{
    return m_foundCaption->text();
}

QString SeekWindow::instructionText() const
{
    return m_instruction->text();
}

QStringList SeekWindow::foundPaths() const
{
    QStringList paths;
    for (int i = 0; i < m_found->count(); ++i) {
        paths << m_found->item(i)->text();
    }
    return paths;
}

void SeekWindow::search()
{
    if (m_seek) {
        return;
    }
    m_found->clear();
    m_listed = 0;
    m_use->hide();
    m_instruction->setText(withLabelLineBreaks(qt(seekInstructionText(m_name.toStdString()))));
    m_rootSearched = m_roots->currentText().toStdString();
    m_seek = std::make_unique<FileSeek>(makeSeekRequest(m_rootSearched, m_name.toStdString()));
    m_control = std::make_unique<SeekControl>();
    showCounts();
    m_search->setEnabled(false);
    m_roots->setEnabled(false);
    setCursor(Qt::BusyCursor); // busy, but Halt can still be pressed
    m_worker
        = std::thread([seek = m_seek.get(), control = m_control.get()] { seek->run(*control); });
    m_poll.start(kPollMs);
}

void SeekWindow::cancelOrHalt()
{
    if (!m_seek) {
        m_result.clear();
        QDialog::reject();
        return;
    }
    if (m_asking) {
        return;
    }
    // The walk holds before its next folder while the user decides, so a No
    // goes on exactly where it was.
    m_control->pause();
    m_asking = true;
    const MessageAnswer answer = m_platform.message(this, QString::fromLatin1(kSeekHaltTitle),
        QString::fromLatin1(kSeekHaltQuestion), MessageButtons::YesNo, MessageIcon::Question);
    m_asking = false;
    if (!m_control) {
        return; // the window was closed while the question was open
    }
    if (answer == MessageAnswer::Yes) {
        m_control->stop();
    } else {
        m_control->resume();
    }
}

void SeekWindow::useSelected()
{
    if (QListWidgetItem *item = m_found->currentItem()) {
        choose(item->text());
    }
}

void SeekWindow::reject()
{
    // Closing the window ends a running walk; the caller gets no path.
    endWalk();
    m_result.clear();
    QDialog::reject();
}

void SeekWindow::showCounts()
{
    const std::size_t folders = m_seek ? m_seek->foldersSearched() : 0;
    const std::size_t found = m_seek ? m_seek->foundCount() : std::size_t(m_found->count());
    m_folders->setText(
        QString::fromLatin1(kSeekFoldersCaption) + QLatin1Char(' ') + QString::number(folders));
    m_foundCaption->setText(qt(seekFoundCaption(found, m_name.toStdString())));
}

void SeekWindow::poll()
{
    if (!m_seek || m_asking) {
        return; // nothing runs, or the Halt question is open
    }
    showCounts();
    for (const std::string &path : m_seek->foundFrom(m_listed)) {
        m_found->addItem(qt(path));
        ++m_listed;
    }
    if (m_seek->isFinished()) {
        finishSearch();
    }
}

void SeekWindow::finishSearch()
{
    m_worker.join();
    const SeekState state = m_seek->state();
    const std::string failure = m_seek->failureText();
    const SeekOutcome outcome = m_seek->outcome();
    const std::string single = m_seek->singleResult();
    showCounts();
    m_seek.reset();
    m_control.reset();
    m_poll.stop();
    unsetCursor();
    m_search->setEnabled(true);
    m_roots->setEnabled(true);

    const bool failed = state == SeekState::TooMany || state == SeekState::Failed;
    if (failed) {
        say(qt(failure));
    }
    switch (outcome) {
    case SeekOutcome::NotFound:
        if (!failed) {
            say(qt(seekNotFoundText(m_rootSearched, m_name.toStdString())));
        }
        break; // stays open for another file system
    case SeekOutcome::Single:
        choose(qt(single));
        break;
    case SeekOutcome::Many:
        m_instruction->setText(qt(seekChooseText(m_name.toStdString())));
        m_use->show();
        m_found->setCurrentRow(0);
        break;
    }
}

void SeekWindow::endWalk()
{
    if (m_control) {
        m_control->stop();
    }
    if (m_worker.joinable()) {
        m_worker.join();
    }
    m_seek.reset();
    m_control.reset();
    m_poll.stop();
    unsetCursor();
}

void SeekWindow::choose(const QString &path)
{
    if (m_seek || path.isEmpty()) {
        return; // the list is not final while the walk runs
    }
    m_result = path;
    accept();
}

void SeekWindow::say(const QString &text)
{
    m_platform.message(this, QString::fromLatin1(kViewerMessageTitle), text, MessageButtons::Ok,
        MessageIcon::Information);
}

} // namespace tarvik::gui
