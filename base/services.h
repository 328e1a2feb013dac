#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace zoki {

// YesNoDefaultNo: a question whose Yes destroys something; Enter answers No.
enum class Buttons { Ok, YesNo, YesNoDefaultNo };
enum class Icon { None, Critical };
enum class Answer { Ok, Yes, No };

inline constexpr const char* kTextFileFilter = "テキスト ファイル (*.txt)|*.txt|";

// Modal dialogs of the window system.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer messageBox(const std::string& text, const std::string& title, Buttons buttons, Icon icon) = 0;
    // The save dialog with a filter in "description|pattern|" form, starting
    // from the last chosen name; std::nullopt when the user cancels. It never
    // asks its own overwrite question.
    virtual std::optional<std::string> saveFileName(const std::string& filter, const std::string& lastName) = 0;
    // The open dialog with a title and a filter in the same form, starting in
    // `folder` (the home folder when empty); std::nullopt when the user
    // cancels.
    virtual std::optional<std::string> openFileName(const std::string& title, const std::string& filter,
                                                    const std::string& folder) = 0;
};

// Uniform single-precision values in [0, 1).
class Random {
public:
    virtual ~Random() = default;
    virtual float next() = 0;
    // Mixes the clock into the current state; never restarts the sequence
    // from the clock alone.
    virtual void reseedFromClock() = 0;
};

// Ends the program at once (closing the main window).
class Platform {
public:
    virtual ~Platform() = default;
    virtual void quit() = 0;
};

} // namespace zoki
