#pragma once

#include <cstdint>
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

// Causes of a file failure that are the program's own, beside the system's
// errno values (which are all positive).
inline constexpr int kNotARegularFile = -1;  // a folder's entry that is a pipe, a device, a socket
inline constexpr int kFileTooLarge = -2;     // over what the program reads of such a file
inline constexpr int kChangedSinceRead = -3; // someone else wrote it between our read and our save
inline constexpr int kFileBusy = -4;         // another writer held it for longer than a save waits
inline constexpr int kNoSafeReplace = -5;    // only a rewrite in place of bytes before its end would do

// A file could not be opened, read, written or deleted. `what()` is already
// the user's text: a short Japanese sentence naming the file (or its folder),
// the cause and what to do about it.
class FileError : public ProgramError {
public:
    FileError(std::filesystem::path path, FileAction action, int error);
    // kFileTooLarge, with the limit the file is over.
    static FileError tooLarge(std::filesystem::path path, std::uintmax_t limit);
    // A text that is already the user's message.
    explicit FileError(const std::string& text) : ProgramError(text) {}

    const std::filesystem::path& path() const { return path_; }
    FileAction action() const { return action_; }
    int error() const { return error_; }

private:
    FileError(std::filesystem::path path, FileAction action, int error, std::uintmax_t limit);

    std::filesystem::path path_;
    FileAction action_ = FileAction::Write;
    int error_ = 0;
};

} // namespace zoki
