// The Comments window; see commentsdialog.h. The comment keeps CR LF line
// ends as the vehicle file stores them; the editor shows plain line feeds.
#include "gui/mainwin/commentsdialog.h"

#include "gui/common/screenplacement.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvik::gui {

CommentsDialog::CommentsDialog(const QString &comment, QWidget *parent)
    : TransientDialog(parent)
{
    setWindowTitle(QStringLiteral("Comments"));
    setObjectName(QStringLiteral("frmComments"));
    keepOnScreen(this);
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QVBoxLayout(this);
    m_editor = new QPlainTextEdit(this);
    m_editor->setObjectName(QStringLiteral("CommentsText"));
    QString shown = comment;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_editor->setPlainText(shown);
    layout->addWidget(m_editor);
    auto *tip = new QLabel(QStringLiteral("Tip:  Enter comments to describe the specs in this "
                                          "file.  These will be printed with reports and saved "
                                          "when you save this file."),
        this);
    tip->setWordWrap(true);
    layout->addWidget(tip);
    auto *buttons = new QHBoxLayout;
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_ok->setObjectName(QStringLiteral("CommentsOk"));
    m_cancel->setObjectName(QStringLiteral("CommentsCancel"));
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, [this] {
        emit commentAccepted(text());
        accept();
    });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(480, 260);
}

QString CommentsDialog::text() const
{
    QString result = m_editor->toPlainText();
    result.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return result;
}

} // namespace tarvik::gui
