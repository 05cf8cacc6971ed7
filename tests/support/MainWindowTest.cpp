#include "tests/support/MainWindowTest.h"

#include <QCoreApplication>
#include <QDir>

#include "app/FileTypes1.h"
#include "app/Window1.h"
#include "framework/ui/ScriptedDialogs.h"

void MainWindowTest::SetUp() {
    if (!FileTypes1::Png()) FileTypes1::_Initialize();
    ASSERT_TRUE(folder.isValid());
    ScriptedDialogs::CaptureMessages(true);
    main = Window1();
    QCoreApplication::processEvents();  // the main window's Open event
}

void MainWindowTest::enter(const std::string& scale, const std::string& frets) {
    main->TextField1()->setText(scale);
    main->TextField2()->setText(frets);
}

QStringList MainWindowTest::files() const {
    return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}
