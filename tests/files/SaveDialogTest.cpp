#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "framework/ui/FileType.h"
#include "framework/ui/FolderItem.h"
#include "framework/ui/SaveDialog.h"
#include "framework/ui/ScriptedDialogs.h"
#include "tests/support/ModalGuard.h"

namespace {

void registerFileType(const std::string& name, const std::string& extensions) {
    FileType type;
    type.setName(name);
    type.setExtensions(extensions);
    type.Operator_Convert();
}

class SaveDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        FileTypeRegistry::Clear();
        registerFileType("HTML", ".html");
    }
    void TearDown() override { FileTypeRegistry::Clear(); }

    // Asks for an HTML file through Qt's own dialog; `act` gets the dialog
    // and its name field once it is shown, and is to close it.
    static std::shared_ptr<FolderItem> saveThroughTheRealDialog(
        const std::function<void(QFileDialog&, QLineEdit& nameEdit)>& act) {
        std::shared_ptr<FolderItem> file;
        ModalGuard::ShowAndAct(
            [&] { file = GetSaveFolderItem("HTML", "Fret Calc.html"); },
            [&] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                auto* nameEdit = dialog ? dialog->findChild<QLineEdit*>("fileNameEdit") : nullptr;
                ASSERT_NE(nameEdit, nullptr);
                act(*dialog, *nameEdit);
            });
        return file;
    }
};

TEST_F(SaveDialogTest, ScriptedAnswerGivesTheChosenFile) {
    QTemporaryDir folder;
    const std::string chosen = QDir(folder.path()).filePath("Chosen.html").toStdString();
    ScriptedDialogs::AnswerNextSaveDialog(chosen);

    const auto file = GetSaveFolderItem("HTML", "Fret Calc.html");

    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->NativePath(), chosen);
    EXPECT_EQ(file->Name(), "Chosen.html");
    EXPECT_FALSE(file->Exists());
    const auto requests = ScriptedDialogs::TakeSaveDialogRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].nameFilter, "HTML (*.html)");
    EXPECT_EQ(requests[0].proposedName, "Fret Calc.html");
}

TEST_F(SaveDialogTest, CancelGivesNilAndAnswersAreUsedInOrder) {
    ScriptedDialogs::CancelNextSaveDialog();
    ScriptedDialogs::AnswerNextSaveDialog("/tmp/second.html");

    EXPECT_EQ(GetSaveFolderItem("HTML", "Fret Calc.html"), nullptr);
    const auto second = GetSaveFolderItem("HTML", "Fret Calc.html");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->NativePath(), "/tmp/second.html");
    EXPECT_EQ(ScriptedDialogs::TakeSaveDialogRequests().size(), 2u);
}

TEST_F(SaveDialogTest, NameFilterComesFromTheRegisteredType) {
    registerFileType("image/png", ".png");
    registerFileType("Web Page", ".htm; .html");
    registerFileType("Bare", "");
    const struct {
        std::string filter;
        std::string nameFilter;
    } cases[] = {
        {"HTML", "HTML (*.html)"},
        {"image/png", "image/png (*.png)"},
        {"Web Page", "Web Page (*.htm *.html)"},
        {"Bare", "All Files (*)"},
        {"Not Registered", "All Files (*)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.filter);
        ScriptedDialogs::CancelNextSaveDialog();
        GetSaveFolderItem(c.filter, "name");
        const auto requests = ScriptedDialogs::TakeSaveDialogRequests();
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0].nameFilter, c.nameFilter);
    }
}

// The one test that goes through Qt's own dialog, as a person would.
TEST_F(SaveDialogTest, RealDialogGivesTheFileTypedIntoIt) {
    QTemporaryDir folder;
    bool driven = false;
    Qt::WindowModality modality = Qt::NonModal;
    bool asksBeforeReplacing = false;
    QStringList nameFilters;
    QString proposedName;

    const auto file = saveThroughTheRealDialog([&](QFileDialog& dialog, QLineEdit& nameEdit) {
        driven = true;
        modality = dialog.windowModality();
        asksBeforeReplacing = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
        nameFilters = dialog.nameFilters();
        proposedName = nameEdit.text();
        dialog.setDirectory(folder.path());
        nameEdit.clear();
        QTest::keyClicks(&nameEdit, "My Frets");
        QTest::keyClick(&nameEdit, Qt::Key_Return);
    });

    ASSERT_TRUE(driven);
    EXPECT_EQ(modality, Qt::ApplicationModal);
    EXPECT_TRUE(asksBeforeReplacing);
    EXPECT_EQ(nameFilters, QStringList{"HTML (*.html)"});
    EXPECT_EQ(proposedName, "Fret Calc.html");
    ASSERT_NE(file, nullptr);
    // The type's extension is added to a name typed without one.
    EXPECT_EQ(
        file->NativePath(),
        QDir::toNativeSeparators(QDir(folder.path()).filePath("My Frets.html")).toStdString());
    EXPECT_TRUE(ScriptedDialogs::TakeSaveDialogRequests().empty());
}

// Within a run each save dialog opens in the folder of the file last chosen
// in one; a dialog cancelled elsewhere changes nothing.
TEST_F(SaveDialogTest, RealDialogOpensWhereTheLastFileWasChosen) {
    QTemporaryDir saved, visited;
    const auto file = saveThroughTheRealDialog([&](QFileDialog& dialog, QLineEdit& nameEdit) {
        dialog.setDirectory(saved.path());
        nameEdit.clear();
        QTest::keyClicks(&nameEdit, "Frets");
        QTest::keyClick(&nameEdit, Qt::Key_Return);
    });
    ASSERT_NE(file, nullptr);
    std::vector<std::string> opened;
    for (int dialog = 0; dialog < 2; ++dialog) {
        saveThroughTheRealDialog([&](QFileDialog& shown, QLineEdit&) {
            opened.push_back(shown.directory().absolutePath().toStdString());
            shown.setDirectory(visited.path());
            shown.reject();
        });
    }
    EXPECT_EQ(opened, std::vector<std::string>(2, saved.path().toStdString()));
}

// Quotes are part of the name: the one file typed is the one given, in the
// folder shown, and the question before replacing it names that file.
TEST_F(SaveDialogTest, RealDialogTakesANameWithQuotesAsTyped) {
    QTemporaryDir folder;
    const QString typed = QStringLiteral("x \"b\" y");
    const QString expected = QDir(folder.path()).filePath(typed + ".html");
    {
        QFile earlier(expected);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    }
    bool typedIn = false;
    QString question;

    const auto file = saveThroughTheRealDialog([&](QFileDialog& dialog, QLineEdit& nameEdit) {
        typedIn = true;
        dialog.setDirectory(folder.path());
        nameEdit.clear();
        QTest::keyClicks(&nameEdit, typed);
        // The key brings up the question before replacing the file.
        ModalGuard::ShowAndAct(
            [&] { QTest::keyClick(&nameEdit, Qt::Key_Return); },
            [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                ASSERT_NE(box, nullptr);
                question = box->text();
                box->button(QMessageBox::Yes)->click();
            });
    });

    ASSERT_TRUE(typedIn);
    EXPECT_TRUE(question.startsWith(typed + ".html already exists.")) << question.toStdString();
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->NativePath(), QDir::toNativeSeparators(expected).toStdString());
}

}  // namespace
