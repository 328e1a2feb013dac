#pragma once

#include <stdexcept>
#include <string>

namespace zoki {

// Run-time faults raised by the program's own arithmetic and conversions.
// Skip-and-continue regions absorb them; elsewhere the event dispatcher
// reports them instead of letting the program die.
class ProgramError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class OverflowError : public ProgramError {
public:
    OverflowError() : ProgramError("overflow") {}
};

class TypeMismatchError : public ProgramError {
public:
    explicit TypeMismatchError(const std::string& text) : ProgramError("not a number: \"" + text + "\"") {}
};

class DivisionByZeroError : public ProgramError {
public:
    DivisionByZeroError() : ProgramError("division by zero") {}
};

class IndexError : public ProgramError {
public:
    IndexError() : ProgramError("index out of range") {}
};

// A prediction gave up after a generous number of draws: the random source
// keeps giving values that were drawn before.
class RedrawLimitError : public ProgramError {
public:
    RedrawLimitError() : ProgramError("the random numbers keep repeating") {}
};

// The range exclusions leave fewer than six numbers to draw a set from.
class TooFewNumbersError : public ProgramError {
public:
    TooFewNumbersError() : ProgramError("too few numbers left by the range exclusions") {}
};

// A file could not be opened, read or written; `what()` names file and reason.
class FileError : public ProgramError {
public:
    using ProgramError::ProgramError;
};

} // namespace zoki
