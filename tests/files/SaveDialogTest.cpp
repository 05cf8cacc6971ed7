#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "framework/ui/FileType.h"
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
    ModalGuard::Expected modal;
    QTemporaryDir folder;
    bool driven = false;
    bool timedOut = false;
    Qt::WindowModality modality = Qt::NonModal;
    bool asksBeforeReplacing = false;
    QStringList nameFilters;
    QString proposedName;

    QTimer driver;
    driver.setInterval(20);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* nameEdit = dialog ? dialog->findChild<QLineEdit*>("fileNameEdit") : nullptr;
        if (!nameEdit) return;
        driver.stop();
        driven = true;
        modality = dialog->windowModality();
        asksBeforeReplacing = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        nameFilters = dialog->nameFilters();
        proposedName = nameEdit->text();
        dialog->setDirectory(folder.path());
        nameEdit->clear();
        QTest::keyClicks(nameEdit, "My Frets");
        QTest::keyClick(nameEdit, Qt::Key_Return);
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        timedOut = true;
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    driver.start();
    watchdog.start(15000);

    const auto file = GetSaveFolderItem("HTML", "Fret Calc.html");

    ASSERT_FALSE(timedOut);
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

// Quotes are part of the name: the one file typed is the one given, in the
// folder shown, and the question before replacing it names that file.
TEST_F(SaveDialogTest, RealDialogTakesANameWithQuotesAsTyped) {
    ModalGuard::Expected modal;
    QTemporaryDir folder;
    const QString typed = QStringLiteral("x \"b\" y");
    const QString expected = QDir(folder.path()).filePath(typed + ".html");
    {
        QFile earlier(expected);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    }
    bool typedIn = false;
    QString question;

    QTimer driver;
    driver.setInterval(20);
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            question = box->text();
            box->button(QMessageBox::Yes)->click();
            return;
        }
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        auto* nameEdit = dialog ? dialog->findChild<QLineEdit*>("fileNameEdit") : nullptr;
        if (!nameEdit || typedIn) return;
        typedIn = true;
        dialog->setDirectory(folder.path());
        nameEdit->clear();
        QTest::keyClicks(nameEdit, typed);
        // Pressed once this handler is done, so that it can answer the
        // question the key brings up.
        QTimer::singleShot(0, nameEdit, [nameEdit] { QTest::keyClick(nameEdit, Qt::Key_Return); });
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        while (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    driver.start();
    watchdog.start(15000);

    const auto file = GetSaveFolderItem("HTML", "Fret Calc.html");

    ASSERT_TRUE(typedIn);
    EXPECT_TRUE(question.startsWith(typed + ".html already exists.")) << question.toStdString();
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->NativePath(), QDir::toNativeSeparators(expected).toStdString());
}

}  // namespace
