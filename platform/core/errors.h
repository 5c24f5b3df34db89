#pragma once

#include <exception>
#include <stdexcept>

namespace platform {

// Raised by a property write or a method that the runtime rejects, such as a negative size.
class InvalidPropertyValue : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs one statement of a handler that goes on after any failure: the failure is dropped and the
// caller continues with its next statement.
template <class Statement>
void ResumeNext(Statement&& statement) noexcept
{
    try {
        statement();
    } catch (const std::exception&) {
    }
}

} // namespace platform
