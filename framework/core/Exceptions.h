#pragma once

#include <exception>
#include <memory>

#include "framework/core/String.h"

namespace fw {

// The root of every exception the framework raises; its message is German and meant
// for the user.
class RuntimeException : public std::exception {
public:
    explicit RuntimeException(String message) : message_(std::move(message)) {}
    const String& Message() const { return message_; }
    const char* what() const noexcept override { return message_.Bytes().c_str(); }

private:
    String message_;
};

class NilObjectException : public RuntimeException {
public:
    NilObjectException() : RuntimeException("Ein benötigtes Objekt fehlt (NilObjectException).") {}
};

class OutOfBoundsException : public RuntimeException {
public:
    OutOfBoundsException() : RuntimeException("Ein Index liegt außerhalb des Feldes (OutOfBoundsException).") {}
};

class IllegalCastException : public RuntimeException {
public:
    IllegalCastException() : RuntimeException("Ein Objekt hat nicht die erwartete Klasse (IllegalCastException).") {}
};

[[noreturn]] inline void RaiseNilObjectException() { throw NilObjectException(); }

// Member access through a reference that may be nil: tests for presence first.
template <class Pointer>
auto& Checked(const Pointer& object) {
    if (!object) RaiseNilObjectException();
    return *object;
}

}  // namespace fw
