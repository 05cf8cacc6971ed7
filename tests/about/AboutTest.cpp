#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>
#include <QWindow>

#include "app/App.h"
#include "app/Window1.h"
#include "app/frmAbout.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Controls.h"
#include "framework/ui/Picture.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/ScriptedDialogs.h"
#include "framework/ui/System.h"
#include "tests/about/AboutFiles.h"
#include "tests/support/ModalGuard.h"

namespace {
const QRect kIconPlace(20, 14, 128, 128);
const QRect kLogoPlace(20, 270, 142, 39);

class AboutTest : public testing::Test {
  protected:
    void SetUp() override {
        if (!App()) _RuntimeRegisterAppObject(std::make_shared<class App>());
        ASSERT_TRUE(files.valid());
        ASSERT_TRUE(files.put(AboutFiles::kIcon));
        ASSERT_TRUE(files.put(AboutFiles::kLogo));
        ScriptedDialogs::CaptureMessages(true);
        // The desktop hands the addresses it is asked to open to a browser of
        // the test's, as links clicked in it.
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "anchorClicked");
        QObject::connect(&browser, &QTextBrowser::anchorClicked, [this](const QUrl& url) {
            opened.push_back(url.toString().toStdString());
        });
    }
    void TearDown() override {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        EXPECT_TRUE(ScriptedDialogs::TakeMessages().empty());
    }

    // The About window once it is on screen and its Open event has run.
    static std::shared_ptr<class frmAbout> openAbout() {
        auto window = frmAbout();
        QCoreApplication::processEvents();  // shown and opened from the event loop
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window->Handle()));
        return window;
    }

    AboutFiles files;
    QTextBrowser browser;
    std::vector<std::string> opened;  // by the browser, oldest first
};

QColor background(const class frmAbout& window) {
    return window._ContentWidget()->palette().color(QPalette::Window);
}

// How many pixels of the window's image differ from the picture file drawn at
// place, white showing the background where the picture is see-through.
int mismatches(const QImage& shown, const QRect& place, const QString& pictureFile,
               bool whiteIsSeeThrough, const QColor& background) {
    const QImage picture(pictureFile);
    if (picture.size() != place.size()) return -1;
    int wrong = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            QColor expected = picture.pixelColor(x, y);
            if (whiteIsSeeThrough && expected == QColor(Qt::white)) expected = background;
            if (shown.pixelColor(place.x() + x, place.y() + y) != expected) ++wrong;
        }
    }
    return wrong;
}

QImage shownImage(const class frmAbout& window) {
    return window._ContentWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

void expectBothPictures(const class frmAbout& window) {
    const QImage shown = shownImage(window);
    EXPECT_EQ(mismatches(shown, kIconPlace, AboutFiles::original(AboutFiles::kIcon), false,
                         background(window)),
              0);
    EXPECT_EQ(mismatches(shown, kLogoPlace, AboutFiles::original(AboutFiles::kLogo), true,
                         background(window)),
              0);
}

// A press and a release of the button at two points of the window, delivered
// as the windowing system would.
void pressAndRelease(const class frmAbout& window, QPoint press, QPoint release,
                     Qt::MouseButton button = Qt::LeftButton) {
    QWindow* handle = window.Handle()->windowHandle();
    QTest::mousePress(handle, button, {}, press);
    QTest::mouseMove(handle, release);
    QTest::mouseRelease(handle, button, {}, release);
}
}  // namespace

TEST_F(AboutTest, ShowsItsTextsInTheirStyles) {
    auto window = openAbout();
    EXPECT_EQ(window->Title(), "About");
    EXPECT_EQ(window->MenuBar(), nullptr);

    struct Expected {
        std::shared_ptr<Label> label;
        const char* text;
        QRect place;
        int pixelSize;
        bool bold, underline;
        Qt::Alignment alignment;
        QColor color;
    };
    const QColor black(0, 0, 0), blue(0, 0, 255);
    const Expected labels[] = {
        {window->Label1(), "Velmora", {160, 21, 412, 29}, 24, true, false, Qt::AlignHCenter, black},
        {window->Label8(),
         "https://tavistrel.example/",
         {343, 206, 209, 20},
         12,
         false,
         true,
         Qt::AlignLeft,
         blue},
        {window->Label10(),
         "Copyright © 2026 Tavistrel. All rights reserved.",
         {160, 122, 412, 20},
         12,
         false,
         false,
         Qt::AlignHCenter,
         black},
        {window->Label11(),
         "https://tavistrel.example/gauge",
         {20, 199, 227, 27},
         12,
         false,
         true,
         Qt::AlignLeft,
         blue},
        {window->Label12(),
         "String Size Formula by:",
         {20, 174, 227, 20},
         12,
         true,
         false,
         Qt::AlignLeft,
         black},
        {window->Label13(),
         "support@tavistrel.example",
         {343, 238, 209, 20},
         12,
         false,
         false,
         Qt::AlignLeft,
         black},
        {window->Label14(),
         "Contact Information:",
         {343, 174, 229, 20},
         12,
         true,
         false,
         Qt::AlignLeft,
         black},
    };
    for (const Expected& expected : labels) {
        SCOPED_TRACE(expected.text);
        auto* label = static_cast<QLabel*>(expected.label->Handle());
        EXPECT_EQ(expected.label->Text(), expected.text);
        EXPECT_EQ(label->geometry(), expected.place);
        EXPECT_EQ(label->font().pixelSize(), expected.pixelSize);
        EXPECT_EQ(label->font().bold(), expected.bold);
        EXPECT_EQ(label->font().underline(), expected.underline);
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, expected.alignment);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), expected.color);
    }
    auto* close = static_cast<QPushButton*>(window->PushButton1()->Handle());
    EXPECT_EQ(close->text(), "Close");
    EXPECT_EQ(close->geometry(), QRect(492, 287, 80, 22));
    EXPECT_EQ(window->Canvas1()->Handle()->geometry(), kIconPlace);
    EXPECT_EQ(window->Canvas2()->Handle()->geometry(), kLogoPlace);
}

TEST_F(AboutTest, OpenedTwiceShowsThePicturesAndTheVersionFromOneReading) {
    auto first = openAbout();
    EXPECT_EQ(first->Label2()->Text(), "Version " VELMORA_PROJECT_VERSION);
    expectBothPictures(*first);
    const auto icon = first->Canvas1()->Backdrop();
    const auto logo = first->Canvas2()->Backdrop();
    ASSERT_NE(icon, nullptr);
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->Transparent(), 1);
    EXPECT_EQ(icon->Transparent(), 0);
    first->Close();

    // Kept for the run: the files are not read again.
    ASSERT_TRUE(files.remove(AboutFiles::kIcon));
    ASSERT_TRUE(files.remove(AboutFiles::kLogo));
    auto second = openAbout();
    EXPECT_NE(second, first);
    EXPECT_EQ(second->Label2()->Text(), "Version " VELMORA_PROJECT_VERSION);
    EXPECT_EQ(second->Canvas1()->Backdrop(), icon);
    EXPECT_EQ(second->Canvas2()->Backdrop(), logo);
    expectBothPictures(*second);
}

TEST_F(AboutTest, TheVersionIsWrittenAfterVersionAndItsBlankUnchanged) {
    const QString built = QCoreApplication::applicationVersion();
    EXPECT_EQ(built, VELMORA_PROJECT_VERSION);
    for (const char* version : {"", " 2.1 beta "}) {
        QCoreApplication::setApplicationVersion(version);
        auto window = openAbout();
        EXPECT_EQ(window->Label2()->Text(), std::string("Version ") + version);
        window->Close();
    }
    QCoreApplication::setApplicationVersion(built);
}

TEST_F(AboutTest, TheLogosWhiteShowsTheWindowBehindItAndItsColoursAreDrawn) {
    auto window = openAbout();
    const QColor behind = background(*window);
    ASSERT_NE(behind, QColor(Qt::white)) << "white would show nothing";
    const QImage logo(AboutFiles::original(AboutFiles::kLogo));
    const QImage shown = shownImage(*window);
    int white = 0, coloured = 0;
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x) {
            const bool isWhite = logo.pixelColor(x, y) == QColor(Qt::white);
            (isWhite ? white : coloured) += 1;
            ASSERT_EQ(shown.pixelColor(kLogoPlace.topLeft() + QPoint(x, y)),
                      isWhite ? behind : logo.pixelColor(x, y))
                << x << ", " << y;
        }
    }
    EXPECT_GT(white, 0);
    EXPECT_GT(coloured, 0);
}

TEST_F(AboutTest, OnlyTheTwoLinksOpenTheirTextsWhereverThePressEnds) {
    auto window = openAbout();
    struct Click {
        const char* what;
        QPoint press, release;
        Qt::MouseButton button;
        std::vector<std::string> opened;
    };
    const Click clicks[] = {
        {"Label8, released inside",
         {350, 215},
         {360, 215},
         Qt::LeftButton,
         {"https://tavistrel.example/"}},
        {"Label8, dragged out",
         {350, 215},
         {100, 60},
         Qt::LeftButton,
         {"https://tavistrel.example/"}},
        {"Label11, dragged out",
         {30, 210},
         {580, 320},
         Qt::LeftButton,
         {"https://tavistrel.example/gauge"}},
        {"Label11, right button", {30, 210}, {30, 210}, Qt::RightButton, {}},
        {"Label13", {350, 247}, {350, 247}, Qt::LeftButton, {}},
        {"Label10", {300, 131}, {300, 131}, Qt::LeftButton, {}},
        {"dragged onto Label8", {300, 131}, {350, 215}, Qt::LeftButton, {}},
    };
    for (const Click& click : clicks) {
        pressAndRelease(*window, click.press, click.release, click.button);
        EXPECT_EQ(std::exchange(opened, {}), click.opened) << click.what;
    }
}

TEST_F(AboutTest, ThePointerIsAHandOverTheLinksAndAnArrowElsewhere) {
    auto window = openAbout();
    for (const auto& link : {window->Label8(), window->Label11()}) {
        EXPECT_EQ(link->MouseCursor(), System::Cursors::FingerPointer());
        EXPECT_EQ(link->Handle()->cursor().shape(), Qt::PointingHandCursor);
    }
    for (const auto& text : {window->Label10(), window->Label13()}) {
        EXPECT_EQ(text->MouseCursor(), nullptr);
        EXPECT_EQ(text->Handle()->cursor().shape(), Qt::ArrowCursor);
    }
}

TEST_F(AboutTest, EveryLabelsTextFitsItsLabel) {
    auto window = openAbout();
    for (const auto& label :
         {window->Label1(), window->Label2(), window->Label8(), window->Label10(),
          window->Label11(), window->Label12(), window->Label13(), window->Label14()}) {
        const QWidget* widget = label->Handle();
        const QFontMetrics metrics(widget->font());
        const QRect needed = metrics.boundingRect(QString::fromStdString(label->Text()));
        EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(label->Text())), widget->width())
            << label->Text();
        EXPECT_LE(needed.width(), widget->width()) << label->Text();
        EXPECT_LE(metrics.height(), widget->height()) << label->Text();
    }
}

TEST_F(AboutTest, ItHasAFixedSizeAndNoZoomMinimiseOrCloseBox) {
    auto window = openAbout();
    QWidget* top = window->Handle();
    EXPECT_EQ(top->minimumSize(), QSize(592, 329));
    EXPECT_EQ(top->maximumSize(), QSize(592, 329));
    top->resize(800, 600);
    EXPECT_EQ(top->size(), QSize(592, 329));
    const Qt::WindowFlags flags = top->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(top->windowState() & Qt::WindowFullScreen);
}

TEST_F(AboutTest, TheMenuCommandShowsItModallyUntilCloseReturnOrEscape) {
    auto main = Window1();
    QCoreApplication::processEvents();  // the main window on screen
    auto* item = main->Handle()->findChild<QAction*>("mnuAbout");
    ASSERT_NE(item, nullptr);

    struct Way {
        const char* what;
        std::function<void(class frmAbout&)> close;
    };
    auto key = [](Qt::Key key) {
        return [key](class frmAbout& about) { QTest::keyClick(about.Handle(), key); };
    };
    const Way ways[] = {
        {"the Close button",
         [](class frmAbout& about) {
             QTest::mouseClick(about.PushButton1()->Handle(), Qt::LeftButton);
         }},
        {"Return", key(Qt::Key_Return)},
        {"Enter", key(Qt::Key_Enter)},
        {"Escape", key(Qt::Key_Escape)},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        std::shared_ptr<class frmAbout> shown;
        bool modalWhileShown = false;
        ModalGuard::ShowAndAct([item] { item->trigger(); },
                               [&] {
                                   shown = std::dynamic_pointer_cast<class frmAbout>(
                                       Window::_GetImplicitWindow(frmAbout::kRegisteredName));
                                   if (!shown) return;
                                   ASSERT_TRUE(QTest::qWaitForWindowActive(shown->Handle()));
                                   modalWhileShown =
                                       QApplication::activeModalWidget() == shown->Handle();
                                   way.close(*shown);
                               });
        ASSERT_NE(shown, nullptr);
        EXPECT_TRUE(modalWhileShown);
        EXPECT_EQ(Window::_GetImplicitWindow(frmAbout::kRegisteredName), nullptr);
    }
}

TEST_F(AboutTest, TheAboutCommandReturnsTrue) {
    auto main = Window1();
    ModalGuard::ShowAndAct(
        [&] { EXPECT_TRUE(main->_mnuAbout_Action()); },
        [] {
            if (auto open = Window::_GetImplicitWindow(frmAbout::kRegisteredName)) open->Close();
        });
}
