#include <gtest/gtest.h>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/EventDispatch.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/ScriptedDialogs.h"

TEST(RuntimeTest, TheExceptionHelperReturnsARuntimeExceptionAndPassesOthersOn) {
    auto nil = [](void*) { throw NilObjectException("nil"); };
    auto fine = [](void* counter) { ++*static_cast<int*>(counter); };
    auto other = [](void*) { throw std::logic_error("not ours"); };
    int counter = 0;

    EXPECT_EQ(_CallFunctionWithExceptionHandling(fine, &counter), nullptr);
    EXPECT_EQ(counter, 1);
    std::exception_ptr caught = _CallFunctionWithExceptionHandling(nil, nullptr);
    ASSERT_NE(caught, nullptr);
    EXPECT_THROW(std::rethrow_exception(caught), NilObjectException);
    EXPECT_THROW(_CallFunctionWithExceptionHandling(other, nullptr), std::logic_error);
}

TEST(RuntimeTest, EventDispatchReportsEveryKindOfExceptionAndGoesOn) {
    ScriptedDialogs::CaptureMessages(true);
    EXPECT_TRUE(EventDispatch::RaiseEvent([] {}));
    EXPECT_FALSE(EventDispatch::RaiseEvent([] { throw IOException("disk full"); }));
    EXPECT_FALSE(EventDispatch::RaiseEvent([] { throw std::out_of_range("vector"); }));
    EXPECT_FALSE(EventDispatch::RaiseEvent([] { throw NilObjectException(); }));
    EXPECT_EQ(ScriptedDialogs::TakeMessages(),
              (std::vector<std::string>{"disk full", "vector",
                                        "An internal error stopped the last action."}));
}

TEST(RuntimeTest, AnExceptionThatReachesTheStartRoutineGoesToStandardError) {
    testing::internal::CaptureStderr();
    _UnhandledException(std::make_exception_ptr(NilObjectException("no window")));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Unhandled exception NilObjectException: no window\n");
    EXPECT_NE(RuntimeExit(), 0);
}

TEST(RuntimeTest, ANewerInterfaceVersionIsRefused) {
    EXPECT_NO_THROW(_RuntimeDeclareInterfaceVersion(2018.02));
    EXPECT_THROW(_RuntimeDeclareInterfaceVersion(2019.01), UnsupportedFormatException);
}
