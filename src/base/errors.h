// Errors that the program lets escape to its general error handler, which shows
// their text as it stands (a number that does not convert, a file that cannot be
// written). Every other failure is reported where it happens.
#pragma once

#include <stdexcept>
#include <string>

namespace torvelix {

class UserError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "'%s' is not a valid floating point value" for a typed or table text.
class ConversionError : public UserError {
public:
    explicit ConversionError(const std::string& text)
        : UserError("'" + text + "' is not a valid floating point value") {}
};

// "'%s' is not a valid integer value" for a spring number that is not a whole number.
class IntegerConversionError : public UserError {
public:
    explicit IntegerConversionError(const std::string& text)
        : UserError("'" + text + "' is not a valid integer value") {}
};

// A table file that cannot be opened or read.
class TableIoError : public std::runtime_error {
public:
    explicit TableIoError(const std::string& path)
        : std::runtime_error("cannot read " + path), path_(path) {}
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

} // namespace torvelix
