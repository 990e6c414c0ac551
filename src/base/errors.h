// The one error model: every error a user gets to read is a UserError (or derived from
// it), whose text is shown as it stands by the general error handler (a number that
// does not convert, a file that cannot be written) or by the step that catches it.
// Other exceptions (std::bad_alloc, a broken invariant) are never dressed up as one.
#pragma once

#include "utf8_text.h"

#include <stdexcept>
#include <string>

namespace torvelix {

class UserError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A typed or table text that is not a number. The message names the text (escaped: a
// NUL would end the message there) and the separator the program expects, since a
// Russian keyboard types a comma.
class ConversionError : public UserError {
public:
    explicit ConversionError(const std::string& text)
        : UserError("Неверное число '" + escapeForMessage(text) +
                    "'. Дробную часть отделяйте точкой."),
          text_(text) {}
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// A spring number that is not a whole number.
class IntegerConversionError : public UserError {
public:
    explicit IntegerConversionError(const std::string& text)
        : UserError("Неверное число '" + escapeForMessage(text) +
                    "'. Номер пружины должен быть целым."),
          text_(text) {}
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// A table file that cannot be opened or read.
class TableIoError : public UserError {
public:
    explicit TableIoError(const std::string& path)
        : UserError("cannot read " + path), path_(path) {}
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

} // namespace torvelix
