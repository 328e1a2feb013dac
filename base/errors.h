#pragma once

#include <filesystem>
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

// What the program was doing with a file when it failed.
enum class FileAction { Read, Write, Create, Delete };

// A file could not be opened, read, written or deleted. `what()` is already
// the user's text: a short Japanese sentence naming the file (or its folder),
// the cause and what to do about it.
class FileError : public ProgramError {
public:
    FileError(std::filesystem::path path, FileAction action, int error);
    // A text that is already the user's message.
    explicit FileError(const std::string& text) : ProgramError(text) {}

    const std::filesystem::path& path() const { return path_; }
    FileAction action() const { return action_; }
    int error() const { return error_; }

private:
    std::filesystem::path path_;
    FileAction action_ = FileAction::Write;
    int error_ = 0;
};

} // namespace zoki
