#include "chm_help_viewer.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include "mainwindow/help_entries.h"

namespace veltra {

void ChmHelpViewer::Show(const std::string& target, std::optional<int> context) {
    const HelpRequest request = ParseHelpTarget(target);
    const QString path = QDir(folder_).filePath(QString::fromStdString(request.file));
    if (!QFileInfo::exists(path)) {
        platform_.ShowMessage(MissingHelpFileMessage(request.file, folder_.toStdString()),
                              kAppTitle, MessageIcon::Exclamation);
        return;
    }
    const QString viewer = QStandardPaths::findExecutable(kChmViewer);
    QStringList arguments;
    for (const std::string& argument :
         ChmViewerArguments(path.toStdString(), request.topic, context))
        arguments << QString::fromStdString(argument);
    if (viewer.isEmpty() || !QProcess::startDetached(viewer, arguments)) {
        platform_.ShowMessage(MissingHelpViewerMessage(request.file), kAppTitle,
                              MessageIcon::Exclamation);
    }
}

}  // namespace veltra
