#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class Window1;

// The main window open with its Open event run and the file types
// registered; messages are captured, and a temporary folder takes what a test
// saves.
class MainWindowTest : public testing::Test {
  protected:
    void SetUp() override;

    // Types a scale length and a number of frets into the main window.
    void enter(const std::string& scale, const std::string& frets);

    QString path(const char* name) const { return folder.filePath(name); }
    // The files in the folder, hidden ones included.
    QStringList files() const;

    QTemporaryDir folder;
    std::shared_ptr<class Window1> main;
};
