#include <gtest/gtest.h>

#include <functional>
#include <string>

#include <QApplication>
#include <QDialog>
#include <QWidget>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/EventDispatch.h"
#include "framework/ui/MsgBox.h"
#include "tests/support/ModalGuard.h"

// The program's own message boxes bear its name as users know it, not the
// executable's.
TEST(MessageBoxTitleTest, MessagesAndExceptionReportsAreTitledVelmora) {
    struct Way {
        const char* what;
        std::function<void()> show;
    };
    const Way ways[] = {
        {"a message", [] { MsgBox("There are no frets to export."); }},
        {"an exception's report",
         [] { EventDispatch::RaiseEvent([] { throw NilObjectException("the list is gone"); }); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        std::string title = "no message box";
        ModalGuard::ShowAndAct(way.show, [&] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!box) return;
            title = box->windowTitle().toStdString();
            box->reject();
        });
        EXPECT_EQ(title, "Velmora");
    }
}
