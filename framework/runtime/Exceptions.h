#pragma once

#include <stdexcept>
#include <string>

// Root of every failure the framework raises. Handlers never catch these;
// they travel to the event dispatch, which reports them by ClassName().
class RuntimeException : public std::runtime_error {
  public:
    explicit RuntimeException(const std::string& message = {}) : std::runtime_error(message) {}
    virtual std::string ClassName() const { return "RuntimeException"; }
    std::string Message() const { return what(); }
};

// A class name and a base class cannot be parenthesised.
// NOLINTBEGIN(bugprone-macro-parentheses)
#define VELMORA_DECLARE_EXCEPTION(Name, Base)                             \
    class Name : public Base {                                            \
      public:                                                             \
        explicit Name(const std::string& message = {}) : Base(message) {} \
        std::string ClassName() const override { return #Name; }          \
    };
// NOLINTEND(bugprone-macro-parentheses)

VELMORA_DECLARE_EXCEPTION(NilObjectException, RuntimeException)
VELMORA_DECLARE_EXCEPTION(OutOfBoundsException, RuntimeException)
VELMORA_DECLARE_EXCEPTION(IOException, RuntimeException)
VELMORA_DECLARE_EXCEPTION(OutOfMemoryException, RuntimeException)
VELMORA_DECLARE_EXCEPTION(IllegalCastException, RuntimeException)
VELMORA_DECLARE_EXCEPTION(TypeMismatchException, RuntimeException)
VELMORA_DECLARE_EXCEPTION(UnsupportedFormatException, RuntimeException)
VELMORA_DECLARE_EXCEPTION(ThreadAccessingUIException, RuntimeException)

#undef VELMORA_DECLARE_EXCEPTION
