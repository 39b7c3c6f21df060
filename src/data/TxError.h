// The one exception type of Tarvix. Its message is shown to the user by the
// application's exception handler, so it carries the system's own wording.
#pragma once

#include <stdexcept>
#include <string>

class ETxError : public std::runtime_error {
public:
    explicit ETxError(const std::string& Message) : std::runtime_error(Message) {}
};

// Raised when a text that must be a number is not one (the "conversion error"
// of the data files).
class EConvertError : public ETxError {
public:
    using ETxError::ETxError;
};
