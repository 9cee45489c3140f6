// The real platform: Qt's message boxes, input dialog, file dialogs, print
// dialogs, the intro-message and text windows, the system beep and the
// desktop's document opener. Every question the windows ask the user in the
// running program goes through here.
#pragma once

#include "gui/platform/platform.h"

namespace tarvik::gui {

class QtPlatform : public Platform
{
public:
    MessageAnswer message(QWidget *parent, const QString &title, const QString &text,
        MessageButtons buttons, MessageIcon icon,
        std::optional<MessageAnswer> defaultButton = std::nullopt) override;
    std::optional<QString> askText(QWidget *parent, const QString &title, const QString &prompt,
        const QString &defaultText) override;
    QString openFileName(QWidget *parent, const FileDialogRequest &request) override;
    QString saveFileName(QWidget *parent, const FileDialogRequest &request) override;
    bool printerSetup(QWidget *parent, QPrinter &printer) override;
    PrintOutcome printPreview(
        QWidget *parent, QPrinter &printer, const PagePainter &paint) override;
    std::optional<QSize> askSize(QWidget *parent, const QString &title, const QSize &initial,
        const QSize &minimum, const QSize &maximum) override;
    void beep() override;
    bool openDocument(const QString &path) override;
    bool openUrl(const QString &address) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
    bool introMessage(QWidget *parent, int kind, QWidget *pointAt) override;
    void textWindow(QWidget *parent, const QString &title, const QString &text) override;
    QString seekFile(QWidget *parent, const QString &name) override;
};

} // namespace tarvik::gui
