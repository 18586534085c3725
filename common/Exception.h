#pragma once
// The program's own error classes: every stage handler catches Exception.
#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// Raised by UnicodeString::ToInt when a text is no integer.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};
