#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <QApplication>
#include <QMessageBox>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/EventDispatch.h"
#include "framework/ui/MsgBox.h"
#include "tests/support/ModalGuard.h"

// Every message box bears the program's name as users know it, not the
// executable's. The program's own messages are plain; a failure is a warning
// in its own words, and its class goes only to standard error.
TEST(MessageBoxTest, MessagesArePlainAndFailuresAreWarningsInTheirOwnWords) {
    const std::string tooLarge = "Could not save \"/home/luthier/frets.html\": File too large.";
    const std::string printFailed = "Could not print to \"/home/luthier/frets.pdf\": Disk full.";
    struct Way {
        const char* what;
        std::function<void()> show;
        QMessageBox::Icon icon;
        std::string text;
        std::string logged;  // a line of standard error
    };
    const Way ways[] = {
        {"a message", [] { MsgBox("There are no frets to export."); }, QMessageBox::NoIcon,
         "There are no frets to export.", ""},
        {"a handler's failure",
         [&] { EventDispatch::RaiseEvent([&] { throw IOException(tooLarge); }); },
         QMessageBox::Warning, tooLarge, "Unhandled exception IOException: " + tooLarge + "\n"},
        {"a failure without words",
         [] { EventDispatch::RaiseEvent([] { throw NilObjectException(); }); },
         QMessageBox::Warning, "An internal error stopped the last action.",
         "Unhandled exception NilObjectException\n"},
        {"a failure found when a job is let go", [&] { ShowFailureOrLog(printFailed); },
         QMessageBox::Warning, printFailed, ""},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        std::string title = "no message box";
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString text, moreText;
        testing::internal::CaptureStderr();
        ModalGuard::ShowAndAct(way.show, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            title = box->windowTitle().toStdString();
            icon = box->icon();
            text = box->text();
            moreText = box->informativeText() + box->detailedText();
            box->reject();
        });
        const std::string logged = testing::internal::GetCapturedStderr();
        EXPECT_EQ(title, "Velmora");
        EXPECT_EQ(icon, way.icon);
        EXPECT_EQ(text.toStdString(), way.text);
        EXPECT_EQ(moreText, QString());
        EXPECT_NE(logged.find(way.logged), std::string::npos) << logged;
    }
}
