#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <QWidget>

#include "app/App.h"
#include "app/frmAbout.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Controls.h"
#include "framework/ui/Picture.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/ScriptedDialogs.h"
#include "tests/about/AboutFiles.h"

namespace {
std::shared_ptr<class frmAbout> openAbout() {
    auto window = frmAbout();
    QCoreApplication::processEvents();  // shown and opened from the event loop
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window->Handle()));
    return window;
}

// Whether the canvas shows nothing but the window behind it.
bool showsNothing(const class frmAbout& window, Canvas& canvas) {
    const QColor behind = window._ContentWidget()->palette().color(QPalette::Window);
    const QImage shown = canvas.Handle()->grab().toImage();
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixelColor(x, y) != behind) return false;
        }
    }
    return true;
}
}  // namespace

// The caches start empty in this process, so every step here is a first
// reading or a retry.
TEST(AboutPicturesTest, AMissingOrUnreadablePictureLeavesItsCanvasEmptyUntilItIsThere) {
    _RuntimeRegisterAppObject(std::make_shared<class App>());
    ScriptedDialogs::CaptureMessages(true);
    AboutFiles files;
    ASSERT_TRUE(files.valid());

    // No icon at all, then one that holds no picture; no logo either time.
    for (bool spoilt : {false, true}) {
        if (spoilt) {
            ASSERT_TRUE(files.spoil(AboutFiles::kIcon));
        }
        auto window = openAbout();
        EXPECT_EQ(window->Canvas1()->Backdrop(), nullptr);
        EXPECT_EQ(window->Canvas2()->Backdrop(), nullptr);
        EXPECT_TRUE(showsNothing(*window, *window->Canvas1()));
        EXPECT_TRUE(showsNothing(*window, *window->Canvas2()));
        EXPECT_EQ(window->Label1()->Text(), "Velmora");
        EXPECT_EQ(window->Label2()->Text(), "Version " VELMORA_PROJECT_VERSION);
        EXPECT_TRUE(window->PushButton1()->Handle()->isVisible());
        window->Close();
    }

    // The icon is back: the next window reads it; the logo is still missing.
    ASSERT_TRUE(files.put(AboutFiles::kIcon));
    auto window = openAbout();
    const auto icon = window->Canvas1()->Backdrop();
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(
        icon->_Image(),
        QImage(AboutFiles::original(AboutFiles::kIcon)).convertToFormat(icon->_Image().format()));
    EXPECT_FALSE(showsNothing(*window, *window->Canvas1()));
    EXPECT_EQ(window->Canvas2()->Backdrop(), nullptr);
    window->Close();

    // The logo is back too: read once, see-through from its reading on.
    ASSERT_TRUE(files.put(AboutFiles::kLogo));
    window = openAbout();
    EXPECT_EQ(window->Canvas1()->Backdrop(), icon);
    const auto logo = window->Canvas2()->Backdrop();
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->Transparent(), 1);
    EXPECT_EQ(logo->Width(), 142);
    EXPECT_EQ(logo->Height(), 39);
    EXPECT_FALSE(showsNothing(*window, *window->Canvas2()));
    window->Close();

    EXPECT_TRUE(ScriptedDialogs::TakeMessages().empty());
}
