// The word-processor automation interface the report export talks to: create the
// application object, add a document, select, set the font, type text, show it.
// Any backend (the built-in .docx backend, a recorder in tests) sits behind it.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include "errors.h"

namespace torvelix::wordexport {

// The word processor answered a call with an error of its own; what() is its
// description.
class WordException : public UserError {
public:
    using UserError::UserError;
};

// The automation layer failed with a system error code: the programmatic
// identifier is not registered, the application cannot be started, or a call is
// refused. what() describes the cause; code() is the system error code.
class WordAutomationFailure : public UserError {
public:
    WordAutomationFailure(const std::string& what, std::uint32_t code)
        : UserError(what), code_(code) {}
    std::uint32_t code() const { return code_; }

private:
    std::uint32_t code_;
};

// System error codes a backend reports with WordAutomationFailure.
inline constexpr std::uint32_t kClassNotRegistered = 0x80040154; // identifier unknown
inline constexpr std::uint32_t kServerExecFailure = 0x80080005;  // cannot be started
inline constexpr std::uint32_t kCallRejected = 0x80010001;       // call refused
inline constexpr std::uint32_t kNoObject = 0x80004003;           // a member gave no object

// A member name the object does not know. Not a failure of the export: it reaches
// the general error handler, which shows this text.
class UnsupportedMember : public UserError {
public:
    explicit UnsupportedMember(const std::string& member)
        : UserError("Method '" + member + "' not supported by automation object") {}
};

// Character formatting of the selection.
class WordFont {
public:
    virtual ~WordFont() = default;
    virtual void SetName(const std::string& name) = 0;
    // Points.
    virtual void SetSize(double points) = 0;
};

// The selection or insertion point of the active document.
class WordSelection {
public:
    virtual ~WordSelection() = default;
    // Selects the whole main text of the document.
    virtual void WholeStory() = 0;
    virtual std::shared_ptr<WordFont> Font() = 0;
    // Inserts UTF-8 text at the selection; a carriage return ends the paragraph.
    virtual void TypeText(const std::string& text) = 0;
};

class WordDocuments {
public:
    virtual ~WordDocuments() = default;
    // Adds a new empty document and makes it the active one.
    virtual void Add() = 0;
};

class WordApplication {
public:
    virtual ~WordApplication() = default;
    virtual std::shared_ptr<WordDocuments> Documents() = 0;
    // The selection of the active document, fetched anew on every call.
    virtual std::shared_ptr<WordSelection> Selection() = 0;
    virtual void SetVisible(bool visible) = 0;
};

// Creates a new application object from its programmatic identifier
// ("Word.Application"). Throws WordAutomationFailure when the identifier is not
// registered or the application cannot be started.
class WordConnector {
public:
    virtual ~WordConnector() = default;
    virtual std::shared_ptr<WordApplication> CreateObject(const std::string& progId) = 0;
};

} // namespace torvelix::wordexport
