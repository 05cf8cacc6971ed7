#include "framework/ui/AppResources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace AppResources {
namespace {
std::string applicationFolder;
}

std::string ApplicationFolder() {
    if (!applicationFolder.empty()) return applicationFolder;
    return QCoreApplication::applicationDirPath().toStdString();
}

void SetApplicationFolder(const std::string& folder) { applicationFolder = folder; }

std::string Path(const std::string& name) {
    const QDir folder(QString::fromStdString(ApplicationFolder()));
    const QString fileName = QString::fromStdString(name);
    // VELMORA_RESOURCES_FROM_BIN: where the install puts these files, seen from bin/.
    for (const QString& candidate :
         {folder.filePath(fileName),
          folder.filePath(QStringLiteral(VELMORA_RESOURCES_FROM_BIN "/") + fileName)}) {
        if (QFileInfo(candidate).isFile()) return QDir::cleanPath(candidate).toStdString();
    }
    return {};
}

}  // namespace AppResources
