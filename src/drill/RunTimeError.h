// A failed arithmetic, bounds or conversion test: it ends the run with a message naming it.
#pragma once

#include <stdexcept>
#include <string>

class RunTimeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
