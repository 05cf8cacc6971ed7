#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <future>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/FolderItem.h"
#include "framework/ui/ScriptedDialogs.h"
#include "framework/ui/TextOutputStream.h"
#include "tests/support/ExpectIOException.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempFolder.h"

namespace {

class TextOutputStreamTest : public TempFolderTest {
  protected:
    void SetUp() override {
        TempFolderTest::SetUp();
        ScriptedDialogs::CaptureMessages(true);
    }
};

TEST_F(TextOutputStreamTest, WrittenTextReplacesTheFileWhenTheLastReferenceGoes) {
    writeBytes(pathOf("list.html"), QByteArray(500, 'x'));
    const std::string text =
        "<head><title>Fret Calc</title></head>25\"\t\u00bd mm \u2014 caf\u00e9\r\n";

    auto stream = TextOutputStream::Create(itemOf("list.html"));
    ASSERT_NE(stream, nullptr);
    stream->Write(text.substr(0, 10));
    stream->Write(text.substr(10));
    auto secondReference = stream;
    stream.reset();
    EXPECT_EQ(readBytes(pathOf("list.html")), QByteArray(500, 'x'));

    secondReference.reset();
    EXPECT_EQ(readBytes(pathOf("list.html")), QByteArray::fromStdString(text));
    EXPECT_EQ(folderEntries(), QStringList{"list.html"});
    EXPECT_TRUE(ScriptedDialogs::TakeMessages().empty());
}

TEST_F(TextOutputStreamTest, FolderItemNamesItsFile) {
    const auto item = itemOf("Fret Calc.html");
    EXPECT_EQ(item->Name(), "Fret Calc.html");
    EXPECT_FALSE(item->Exists());
    ASSERT_NE(TextOutputStream::Create(item), nullptr);  // released at once: an empty file
    EXPECT_TRUE(item->Exists());
    EXPECT_EQ(QFileInfo(pathOf("Fret Calc.html")).size(), 0);
}

TEST_F(TextOutputStreamTest, CreateGivesNilWhereTheFileCannotBeCreated) {
    writeBytes(pathOf("plain.txt"), "plain");
    ASSERT_TRUE(QDir(folder_.path()).mkdir("folder.html"));
    const QString cases[] = {"missing/list.html", "plain.txt/list.html", "folder.html"};
    for (const QString& name : cases) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(TextOutputStream::Create(itemOf(name)), nullptr);
    }
    EXPECT_EQ(folderEntries(), (QStringList{"folder.html", "plain.txt"}));
    EXPECT_EQ(readBytes(pathOf("plain.txt")), "plain");
}

TEST_F(TextOutputStreamTest, CreateOnNilRaisesNilObjectException) {
    EXPECT_THROW(TextOutputStream::Create(nullptr), NilObjectException);
}

// A text far past the limit and one just past it: both fail in Write.
TEST_F(TextOutputStreamTest, WriteFailingHalfWayRaisesAndKeepsTheEarlierFile) {
    const QByteArray earlier = "<head><title>Fret Calc</title></head>earlier list";
    const struct {
        const char* what;
        rlim_t limit;
        std::size_t textSize;
    } cases[] = {
        {"far past the limit", 4096, std::size_t{256} * 1024},
        {"just past the limit", 100, 101},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(pathOf("list.html"), earlier);
        auto stream = TextOutputStream::Create(itemOf("list.html"));
        ASSERT_NE(stream, nullptr);
        {
            FileSizeLimit limit(c.limit);
            const std::string message =
                ExpectIOException([&] { stream->Write(std::string(c.textSize, 'f')); });
            EXPECT_NE(message.find(pathOf("list.html").toStdString()), std::string::npos)
                << message;
        }
        EXPECT_THROW(stream->Write("more"), IOException);
        stream.reset();

        EXPECT_EQ(readBytes(pathOf("list.html")), earlier);
        EXPECT_EQ(folderEntries(), QStringList{"list.html"});
        EXPECT_TRUE(ScriptedDialogs::TakeMessages().empty());
    }
}

TEST_F(TextOutputStreamTest, FailureToReplaceTheFileIsShownNotThrown) {
    auto stream = TextOutputStream::Create(itemOf("list.html"));
    ASSERT_NE(stream, nullptr);
    stream->Write("the list");
    // Something else takes the name before the stream is closed.
    ASSERT_TRUE(QDir(folder_.path()).mkdir("list.html"));

    EXPECT_NO_THROW(stream.reset());

    const auto messages = ScriptedDialogs::TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("Could not save \"" + pathOf("list.html").toStdString() + "\""),
              std::string::npos);
    EXPECT_EQ(folderEntries(), QStringList{"list.html"});
    EXPECT_TRUE(QFileInfo(pathOf("list.html")).isDir());
}

// Names up to the longest the folder takes, new and over an earlier file,
// also through a short link to one: the temporary file beside it takes a
// shortened name.
TEST_F(TextOutputStreamTest, NamesAsLongAsTheFolderTakesAreSavedOver) {
    for (int length : {248, 249, 255}) {
        SCOPED_TRACE(length);
        const QString name = QString(length - 5, 'n') + ".html";
        for (const char* text : {"the first list", "a second, longer list"}) {
            auto stream = TextOutputStream::Create(itemOf(name));
            ASSERT_NE(stream, nullptr);
            stream->Write(text);
            stream.reset();
            EXPECT_EQ(readBytes(pathOf(name)), text);
        }
        EXPECT_EQ(folderEntries(), QStringList{name});
        QFile::remove(pathOf(name));
    }

    const QString longName = QString(245, 'n') + ".html";
    writeBytes(pathOf(longName), "the earlier list");
    ASSERT_TRUE(QFile::link(longName, pathOf("link.html")));
    auto stream = TextOutputStream::Create(itemOf("link.html"));
    ASSERT_NE(stream, nullptr);
    stream->Write("the list, through the link");
    stream.reset();
    EXPECT_EQ(readBytes(pathOf(longName)), "the list, through the link");
    EXPECT_TRUE(QFileInfo(pathOf("link.html")).isSymLink());
    EXPECT_EQ(folderEntries(), (QStringList{"link.html", longName}));
    EXPECT_TRUE(ScriptedDialogs::TakeMessages().empty());
}

// A pipe with nobody reading it is refused at once, not waited on; with a
// reader, it gets every byte, however many the pipe holds at a time.
TEST_F(TextOutputStreamTest, APipeIsWrittenOnlyWhileSomethingReadsIt) {
    ASSERT_EQ(mkfifo(pathOf("list.fifo").toLocal8Bit().constData(), 0600), 0);
    const std::string path = pathOf("list.fifo").toStdString();

    auto opening = std::async(std::launch::async,
                              [&] { return TextOutputStream::Create(itemOf("list.fifo")); });
    if (opening.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        // Lets the waiting open go, so that the test ends.
        const int reader = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
        ADD_FAILURE() << "opening a pipe that nobody reads waited for a reader";
        opening.wait();
        ::close(reader);
        return;
    }
    EXPECT_EQ(opening.get(), nullptr);

    const int reader = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    auto stream = TextOutputStream::Create(itemOf("list.fifo"));
    ASSERT_NE(stream, nullptr);
    auto received = std::async(std::launch::async, [reader] {
        ::fcntl(reader, F_SETFL, ::fcntl(reader, F_GETFL) & ~O_NONBLOCK);
        std::string bytes;
        char buffer[4096];
        ssize_t got = 0;
        while ((got = ::read(reader, buffer, sizeof buffer)) > 0)
            bytes.append(buffer, static_cast<std::size_t>(got));
        ::close(reader);
        return bytes;
    });
    const std::string text(std::size_t{256} * 1024, 'p');  // several times what a pipe holds
    stream->Write(text);
    stream.reset();
    EXPECT_EQ(received.get(), text);
    EXPECT_TRUE(ScriptedDialogs::TakeMessages().empty());
}

// A reader that leaves after taking part of a text larger than the pipe
// holds refuses the rest: the write fails with the system's reason and the
// program goes on, with the signal dispositions the framework starts with.
TEST_F(TextOutputStreamTest, AReaderLeavingMidwayRefusesTheRestAsABrokenPipe) {
    ASSERT_EQ(mkfifo(pathOf("list.fifo").toLocal8Bit().constData(), 0600), 0);
    const std::string path = pathOf("list.fifo").toStdString();
    const int reader = ::open(path.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    auto stream = TextOutputStream::Create(itemOf("list.fifo"));
    ASSERT_NE(stream, nullptr);
    auto leaving = std::async(std::launch::async, [reader] {
        ::fcntl(reader, F_SETFL, ::fcntl(reader, F_GETFL) & ~O_NONBLOCK);
        char buffer[4096];
        const ssize_t got = ::read(reader, buffer, sizeof buffer);
        ::close(reader);
        return got;
    });
    EXPECT_EQ(ExpectIOException([&] { stream->Write(std::string(std::size_t{256} * 1024, 'p')); }),
              "Could not save \"" + path + "\": Broken pipe.");
    EXPECT_GT(leaving.get(), 0);
    stream.reset();
    EXPECT_TRUE(ScriptedDialogs::TakeMessages().empty());
}

TEST_F(TextOutputStreamTest, StreamReleasedByAnExceptionKeepsTheEarlierFile) {
    writeBytes(pathOf("list.html"), "earlier");
    try {
        auto stream = TextOutputStream::Create(itemOf("list.html"));
        ASSERT_NE(stream, nullptr);
        stream->Write("new text");
        throw NilObjectException("a control is missing");
    } catch (const NilObjectException&) {
    }
    EXPECT_EQ(readBytes(pathOf("list.html")), "earlier");
    EXPECT_EQ(folderEntries(), QStringList{"list.html"});
    EXPECT_TRUE(ScriptedDialogs::TakeMessages().empty());
}

}  // namespace
