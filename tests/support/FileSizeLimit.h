#pragma once

#include <gtest/gtest.h>

#include <sys/resource.h>

// Limits how large this process may make a file, for as long as it lives, as
// a full disk would. Going past the limit fails the write, with the signal
// dispositions the framework sets when it starts.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &saved_), 0);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
};
