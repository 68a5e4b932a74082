#include "chm_help_viewer.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QStringList>

#include "mainwindow/help_entries.h"

namespace veltra {

void ChmHelpViewer::Show(const std::string& target, std::optional<int> context) {
    const HelpRequest request = ParseHelpTarget(target);
    const QString file = QString::fromStdString(request.file);
    QString folder;
    for (const QString& candidate : folders_) {
        if (QFileInfo(QDir(candidate).filePath(file)).isFile()) {
            folder = candidate;
            break;
        }
    }
    if (folder.isEmpty()) {
        std::vector<std::string> searched;
        for (const QString& candidate : folders_) searched.push_back(candidate.toStdString());
        platform_.ShowMessage(MissingHelpFileMessage(request.file, searched), kAppTitle,
                              MessageIcon::Exclamation);
        return;
    }
    const QString path = QDir(folder).filePath(file);
    const QString viewerPath = QStandardPaths::findExecutable(kChmViewer);
    QStringList arguments;
    for (const std::string& argument :
         ChmViewerArguments(path.toStdString(), request.topic, context))
        arguments << QString::fromStdString(argument);

    QProcess viewer;
    viewer.setProgram(viewerPath);
    viewer.setArguments(arguments);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_DIRS", QString::fromStdString(ViewerDataDirs(
                                            folder.toStdString(),
                                            environment.value("XDG_DATA_DIRS").toStdString())));
    viewer.setProcessEnvironment(environment);
    if (viewerPath.isEmpty() || !viewer.startDetached()) {
        platform_.ShowMessage(MissingHelpViewerMessage(request.file), kAppTitle,
                              MessageIcon::Exclamation);
    }
}

}  // namespace veltra
