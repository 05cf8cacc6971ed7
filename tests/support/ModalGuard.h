#pragma once

// Every test runs under a guard that looks for modal windows: one that opens
// while nothing expects it fails the test and is closed, so that the test
// goes on instead of waiting for a person.
namespace ModalGuard {

// While an Expected object lives, modal windows are the test's own business.
class Expected {
  public:
    Expected();
    ~Expected();
    Expected(const Expected&) = delete;
    Expected& operator=(const Expected&) = delete;
};

}  // namespace ModalGuard
