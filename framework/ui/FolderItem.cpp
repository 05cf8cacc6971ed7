#include "framework/ui/FolderItem.h"

#include <QDir>
#include <QFileInfo>

FolderItem::FolderItem(const std::string& nativePath)
    : nativePath_(
          QDir::toNativeSeparators(QFileInfo(QString::fromStdString(nativePath)).absoluteFilePath())
              .toStdString()) {}

std::string FolderItem::Name() const {
    return QFileInfo(QString::fromStdString(nativePath_)).fileName().toStdString();
}

Boolean FolderItem::Exists() const {
    return QFileInfo::exists(QString::fromStdString(nativePath_));
}
