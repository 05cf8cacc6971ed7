#include "framework/ui/SaveDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>
#include <QStringList>

#include "framework/ui/FileType.h"
#include "framework/ui/ScriptedDialogs.h"

namespace {

// ".htm;.html" gives {"htm", "html"}.
QStringList suffixesOf(const RegisteredFileType& type) {
    QStringList suffixes;
    for (QString extension : QString::fromStdString(type.extensions).split(u';')) {
        extension = extension.trimmed();
        while (extension.startsWith(u'*') || extension.startsWith(u'.')) extension.remove(0, 1);
        if (!extension.isEmpty()) suffixes.append(extension);
    }
    return suffixes;
}

QString nameFilterFor(const std::string& filter, const QStringList& suffixes) {
    if (suffixes.isEmpty()) return QStringLiteral("All Files (*)");
    QStringList patterns;
    for (const QString& suffix : suffixes) patterns.append(QStringLiteral("*.") + suffix);
    return QString::fromStdString(filter) + QStringLiteral(" (") + patterns.join(u' ') + u')';
}

// The folder of the file last chosen in a save dialog of this run; kept in
// memory only, so every run starts afresh.
QString& lastChosenFolder() {
    static QString folder;
    return folder;
}

// Where the user last saved, while it is there; else Documents or home.
QString startFolder() {
    if (!lastChosenFolder().isEmpty() && QDir(lastChosenFolder()).exists()) {
        return lastChosenFolder();
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

std::shared_ptr<FolderItem> chosenFile(const QString& path) {
    lastChosenFolder() = QFileInfo(path).absolutePath();
    return std::make_shared<FolderItem>(QDir::toNativeSeparators(path).toStdString());
}

// Qt's own dialog reads a name holding double quotes as a list of quoted
// names; a save writes one file, named exactly as typed.
class LiteralSaveDialog : public QFileDialog {
  public:
    using QFileDialog::QFileDialog;

    // The file accepted by a name with quotes; empty for any other.
    QString literalChoice() const { return literalChoice_; }

    void accept() override {
        const auto* nameEdit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!nameEdit || !nameEdit->text().contains(u'"')) {
            QFileDialog::accept();
            return;
        }
        QString path = directory().absoluteFilePath(nameEdit->text());
        QFileInfo info(path);
        if (info.isDir()) {
            setDirectory(path);
            return;
        }
        if (!defaultSuffix().isEmpty() && info.suffix().isEmpty()) {
            path += u'.' + defaultSuffix();
            info.setFile(path);
        }
        if (info.exists() &&
            QMessageBox::warning(
                this, windowTitle(),
                tr("%1 already exists.\nDo you want to replace it?").arg(info.fileName()),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes) {
            return;
        }
        literalChoice_ = path;
        // QFileDialog::accept would split the name at its quotes again.
        QDialog::accept();  // NOLINT(bugprone-parent-virtual-call)
    }

  private:
    QString literalChoice_;
};

}  // namespace

std::shared_ptr<FolderItem> GetSaveFolderItem(const std::string& filter, const std::string& name) {
    const auto type = FileTypeRegistry::FindByName(filter);
    const QStringList suffixes = type ? suffixesOf(*type) : QStringList();
    const QString nameFilter = nameFilterFor(filter, suffixes);

    if (const auto answer = ScriptedDialogs::TakeSaveDialogAnswer({nameFilter.toStdString(), name}))
        return answer->cancelled ? nullptr : chosenFile(QString::fromStdString(answer->chosenPath));

    LiteralSaveDialog dialog(QApplication::activeWindow());
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(nameFilter);
    // A name typed without an extension gets the type's own.
    if (!suffixes.isEmpty()) dialog.setDefaultSuffix(suffixes.first());
    dialog.setDirectory(startFolder());
    dialog.selectFile(QString::fromStdString(name));
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    QString chosen = dialog.literalChoice();
    if (chosen.isEmpty()) {
        const QStringList selected = dialog.selectedFiles();
        if (selected.isEmpty()) return nullptr;
        chosen = selected.first();
    }
    return chosenFile(chosen);
}
