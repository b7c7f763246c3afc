#pragma once

#include <stdexcept>

namespace quintara {

// A generator run that cannot finish (a wheel pointer naming no final number, no Lotto draw to start
// from); the picking command catches it and shows its own message.
class GenerateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace quintara
