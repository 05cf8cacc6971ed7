#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QStringList>

#include "framework/ui/FolderItem.h"
#include "framework/ui/Graphics.h"
#include "framework/ui/Picture.h"
#include "framework/ui/ReplacingFile.h"
#include "framework/ui/ScriptedDialogs.h"
#include "framework/ui/TextOutputStream.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WithoutOverridingPermissions.h"

namespace {

constexpr uid_t kNobody = 65534;

// The system calls a save makes, put back however a test changed them.
class SystemCallsGuard {
  public:
    SystemCallsGuard() : saved_(CurrentSaveSystemCalls()) {}
    ~SystemCallsGuard() { CurrentSaveSystemCalls() = saved_; }
    SystemCallsGuard(const SystemCallsGuard&) = delete;
    SystemCallsGuard& operator=(const SystemCallsGuard&) = delete;

  private:
    SaveSystemCalls saved_;
};

class RefusingFolderTest : public TempFolderTest {
  protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        ScriptedDialogs::CaptureMessages(true);
    }

    // Saves the text as the main window's Save List does; what it told the
    // user comes back.
    std::vector<std::string> saveList(const QString& name, const std::string& text) {
        auto stream = TextOutputStream::Create(itemOf(name));
        EXPECT_NE(stream, nullptr);
        if (stream) stream->Write(text);
        stream.reset();
        return ScriptedDialogs::TakeMessages();
    }

    std::string failure(const QString& name, const std::string& reason) const {
        return SaveFailure(pathOf(name).toStdString(), reason);
    }
};

// A shared sticky folder lets only the owner of a file, or of the folder,
// rename over it: another user who may write the file has it rewritten in
// place, and nothing else is left in the folder.
TEST_F(RefusingFolderTest, AnotherUsersWritableFileInAStickyFolderIsReplaced) {
    if (RanWithoutOverridingPermissions()) return;
    ASSERT_TRUE(QDir(folder_.path()).mkdir("shared"));
    const QByteArray shared = QFile::encodeName(pathOf("shared"));
    for (const char* name : {"shared/list.html", "shared/board.png"}) {
        writeBytes(pathOf(name), QByteArray(qsizetype{64} * 1024, 'e'));
        const QByteArray path = QFile::encodeName(pathOf(name));
        ASSERT_EQ(chmod(path.constData(), 0666), 0);
        ASSERT_EQ(chown(path.constData(), kNobody, kNobody), 0);
    }
    ASSERT_EQ(chmod(shared.constData(), 01777), 0);
    ASSERT_EQ(chown(shared.constData(), kNobody, kNobody), 0);
    // Given back, so that the test's folder can be removed.
    const auto restore = qScopeGuard([&] {
        chown(shared.constData(), geteuid(), getegid());
        chmod(shared.constData(), 0755);
    });

    EXPECT_TRUE(saveList("shared/list.html", "the new list").empty());
    EXPECT_EQ(readBytes(pathOf("shared/list.html")), "the new list");
    auto picture = std::make_shared<Picture>(40, 12, 32);
    picture->Graphics()->DrawRect(0, 0, 40, 12);
    picture->Save(itemOf("shared/board.png"), Picture::SaveAsPNG);
    EXPECT_TRUE(readBytes(pathOf("shared/board.png")).startsWith("\x89PNG"));
    EXPECT_EQ(
        QDir(pathOf("shared")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        (QStringList{"board.png", "list.html"}));
}

// The folder refuses the rename only once the temporary file is written:
// the file is rewritten in place and the temporary file goes. Where even its
// removal is refused, the message names what is left.
TEST_F(RefusingFolderTest, ARenameRefusedAfterTheTemporaryFileIsWrittenSavesInPlace) {
    writeBytes(pathOf("list.html"), QByteArray(1000, 'e'));
    const SystemCallsGuard calls;
    CurrentSaveSystemCalls().rename = [](const char*, const char*) {
        errno = EPERM;
        return -1;
    };
    EXPECT_TRUE(saveList("list.html", "the new list").empty());
    EXPECT_EQ(readBytes(pathOf("list.html")), "the new list");
    EXPECT_EQ(folderEntries(), QStringList{"list.html"});

    CurrentSaveSystemCalls().unlink = [](const char*) {
        errno = EPERM;
        return -1;
    };
    const auto messages = saveList("list.html", "a third list");
    const QStringList entries = folderEntries();
    ASSERT_EQ(entries.size(), 2);
    const QString& leftover = entries[1];
    EXPECT_TRUE(leftover.startsWith("list.html.")) << leftover.toStdString();
    EXPECT_EQ(messages, std::vector<std::string>{failure(
                            "list.html", "Operation not permitted. The temporary file \"" +
                                             pathOf(leftover).toStdString() +
                                             "\" is left in its folder: Operation not permitted")});
    EXPECT_EQ(readBytes(pathOf("list.html")), "the new list");
}

// A disk that does not confirm the new bytes keeps the earlier file: the
// temporary file is abandoned before it could take the earlier one's place.
TEST_F(RefusingFolderTest, AFlushThatFailsKeepsTheEarlierFile) {
    const QByteArray earlier(1000, 'e');
    writeBytes(pathOf("list.html"), earlier);
    const SystemCallsGuard calls;
    CurrentSaveSystemCalls().fsync = [](int) {
        errno = EIO;
        return -1;
    };
    EXPECT_EQ(saveList("list.html", "the new list"),
              std::vector<std::string>{failure("list.html", "Input/output error")});
    EXPECT_EQ(readBytes(pathOf("list.html")), earlier);
    EXPECT_EQ(folderEntries(), QStringList{"list.html"});
}

int pwritesBeforeFailing = 0;

// Written in place, the new bytes fail midway, and so does putting the old
// ones back, as on a copy-on-write file system: the user is told that the
// earlier file is not whole.
TEST_F(RefusingFolderTest, AFailedPutBackIsToldAsSuch) {
    if (RanWithoutOverridingPermissions()) return;
    writeBytes(pathOf("list.html"), QByteArray(1000, 'e'));
    const ReadOnlyFolder readOnly(folder_.path());
    const SystemCallsGuard calls;
    pwritesBeforeFailing = 1;
    CurrentSaveSystemCalls().pwrite = [](int fd, const void* data, size_t size,
                                         off_t offset) -> ssize_t {
        if (pwritesBeforeFailing-- > 0) return ::pwrite(fd, data, size / 2, offset);
        errno = EIO;
        return -1;
    };
    EXPECT_EQ(
        saveList("list.html", std::string(2000, 'n')),
        std::vector<std::string>{failure(
            "list.html",
            "Input/output error. The earlier file could not be restored: Input/output error")});
}

// Rewritten in place, a file takes one writer at a time: a save waits for
// another program that holds the file, and, held past its patience, is
// refused and leaves the file as the other program made it.
TEST_F(RefusingFolderTest, InPlaceASaveWaitsForAnotherWriter) {
    if (RanWithoutOverridingPermissions()) return;
    const qsizetype size = qsizetype{64} * 1024;
    const struct {
        const char* what;
        std::chrono::milliseconds held;
        char expected;
        bool refused;
    } cases[] = {
        {"briefly", std::chrono::milliseconds(300), 'n', false},
        {"past the patience", std::chrono::milliseconds(4000), 'o', true},
    };
    writeBytes(pathOf("list.html"), QByteArray(size, 'e'));
    const ReadOnlyFolder readOnly(folder_.path());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::promise<void> holding;
        // The other program writes its own content in two halves, holding
        // the file all the while.
        auto other = std::async(std::launch::async, [&] {
            const int fd = ::open(QFile::encodeName(pathOf("list.html")).constData(), O_RDWR);
            ASSERT_GE(fd, 0);
            ASSERT_EQ(::flock(fd, LOCK_EX), 0);
            const QByteArray half(size / 2, 'o');
            ASSERT_EQ(::pwrite(fd, half.constData(), half.size(), 0), half.size());
            holding.set_value();
            std::this_thread::sleep_for(c.held);
            ASSERT_EQ(::pwrite(fd, half.constData(), half.size(), half.size()), half.size());
            ::close(fd);
        });
        ASSERT_EQ(holding.get_future().wait_for(std::chrono::seconds(10)),
                  std::future_status::ready);
        const auto messages = saveList("list.html", std::string(size, 'n'));
        other.get();
        EXPECT_EQ(readBytes(pathOf("list.html")), QByteArray(size, c.expected));
        if (c.refused) {
            EXPECT_EQ(messages, std::vector<std::string>{
                                    failure("list.html", "another program is writing to it")});
        } else {
            EXPECT_TRUE(messages.empty());
        }
    }
}

}  // namespace
