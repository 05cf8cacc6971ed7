#pragma once

#include <gtest/gtest.h>

// The state a run of the program starts from: no registered file types, no
// application object, no menu bar built yet. Each app test starts from it,
// so the tests pass in any order and in one process.
void ResetToFreshStart();

class FreshStartTest : public testing::Test {
  protected:
    void SetUp() override { ResetToFreshStart(); }
};
