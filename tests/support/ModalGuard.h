#pragma once

#include <functional>

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

// Runs `show`, which shows a modal window and returns once it has closed.
// `act` runs inside the window's modal loop, after what showing it posted
// (its Open event among them), and is to close it. Should a modal window
// still be open long after, the test fails and the modal windows are closed,
// so that `show` returns instead of waiting for a person.
void ShowAndAct(const std::function<void()>& show, const std::function<void()>& act);

}  // namespace ModalGuard
