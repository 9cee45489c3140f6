// The File commands; see filecommands.h.
#include "gui/mainwin/filecommands.h"

#include "core/layout/sessiontexts.h"
#include "core/layout/vehiclefile.h"
#include "gui/document/layoutdocument.h"
#include "gui/document/vehiclefolders.h"
#include "gui/platform/platform.h"

#include <QFileInfo>

namespace tarvik::gui {

FileCommands::FileCommands(
    Platform &platform, LayoutDocument &document, VehicleFolders &folders, QWidget *window)
    : m_platform(platform)
    , m_document(document)
    , m_folders(folders)
    , m_window(window)
{
}

bool FileCommands::askToSave(Question question)
{
    if (!m_document.isChanged()) {
        return true;
    }
    MessageAnswer answer = MessageAnswer::No;
    switch (question) {
    case Question::New:
        answer = m_platform.message(m_window, QStringLiteral("Save Inputs"),
            QStringLiteral("Save these specs to a file before blanking out these inputs?  (If you "
                           "say No, you must re-enter these specs by hand to recreate them.)"),
            MessageButtons::YesNoCancel, MessageIcon::Question);
        break;
    case Question::Open:
        // Cancel backs out of opening, as it does for New and Exit.
        answer = m_platform.message(m_window, QStringLiteral("Save Changes"),
            QStringLiteral("Save any changes you have made?"), MessageButtons::YesNoCancel,
            MessageIcon::Question);
        break;
    case Question::Exit:
        answer = m_platform.message(m_window, QStringLiteral("Save Inputs"),
            QStringLiteral("Save these specs (or any changes) to a file.  (If you say No, you must "
                           "re-enter them by hand to recreate them?"),
            MessageButtons::YesNoCancel, MessageIcon::Question);
        break;
    }
    if (answer == MessageAnswer::Cancel) {
        return false;
    }
    return answer != MessageAnswer::Yes || fileSaveAs();
}

void FileCommands::fileNew()
{
    if (askToSave(Question::New)) {
        m_document.newLayout();
    }
}

void FileCommands::fileOpen()
{
    if (!askToSave(Question::Open)) {
        return;
    }
    FileDialogRequest request;
    request.title = QStringLiteral("Open a File");
    request.filter = QString::fromLatin1(kVehicleFileFilter);
    request.folder = m_folders.openFolder();
    request.sidebar = m_folders.sidebar();
    request.mustExist = true;
    const QString path = m_platform.openFileName(m_window, request);
    if (!path.isEmpty()) {
        openFile(path);
    }
}

bool FileCommands::openFile(const QString &path)
{
    QString message;
    if (!m_document.open(path, message)) {
        m_platform.message(m_window, QString::fromLatin1(kBadFileTitle), message,
            MessageButtons::Ok, MessageIcon::Exclamation);
        return false;
    }
    m_folders.remember(m_document.currentFile());
    return true;
}

bool FileCommands::openAsked(const QString &path)
{
    return askToSave(Question::Open) && openFile(path);
}

QStringList FileCommands::recentFiles() const
{
    return m_folders.recentFiles();
}

bool FileCommands::saveTo(const QString &path)
{
    const WriteResult result = m_document.save(path);
    if (!result.ok) {
        const QString message = QString::fromStdString(result.message);
        if (!result.readOnly) {
            m_platform.message(m_window, QString::fromLatin1(kFileNotSavedTitle), message,
                MessageButtons::Ok, MessageIcon::Exclamation);
            return false;
        }
        // A read-only file is kept as it is; the layout can still be saved
        // under another name.
        const MessageAnswer answer = m_platform.message(m_window,
            QString::fromLatin1(kFileNotSavedTitle), message + QString::fromLatin1(kOfferSaveAs),
            MessageButtons::YesNo, MessageIcon::Exclamation, MessageAnswer::Yes);
        return answer == MessageAnswer::Yes && fileSaveAs();
    }
    m_folders.remember(m_document.currentFile());
    return true;
}

bool FileCommands::fileSaveAs()
{
    FileDialogRequest request;
    request.title = QStringLiteral("Save a File");
    request.folder = m_folders.saveFolder();
    request.sidebar = m_folders.sidebar();
    request.fileName = m_document.isUntitled() ? m_document.currentFile()
                                               : QFileInfo(m_document.currentFile()).fileName();
    request.confirmOverwrite = true;
    request.filter = QString::fromLatin1(kVehicleFileFilter);
    request.defaultSuffix = QString::fromLatin1(kVehicleFileExtension);
    const QString path = m_platform.saveFileName(m_window, request);
    return !path.isEmpty()
        && saveTo(QString::fromStdString(withVehicleExtension(path.toStdString())));
}

bool FileCommands::fileSave()
{
    return m_document.isUntitled() ? fileSaveAs() : saveTo(m_document.currentFile());
}

} // namespace tarvik::gui
