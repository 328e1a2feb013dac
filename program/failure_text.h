#pragma once

#include <exception>
#include <filesystem>
#include <string>

namespace zoki {

// Leads of the messages that a fault stops a command or the start-up with.
inline constexpr const char* kStopped = "処理を続けられませんでした。";
inline constexpr const char* kCannotStart = "ゾキを起動できません。";

// What the user reads about a fault: what happened and what to do, in
// Japanese. A file's fault already says so, naming its file; its text is
// shown as it is. No other fault's own text reaches the user.
std::string failureText(const std::exception& e);

// "処理を続けられませんでした。" and the fault, for a command it stopped.
std::string stoppedMessage(const std::exception& e);

// "ゾキを起動できません。", the fault and the program's data folder.
std::string cannotStartMessage(const std::exception& e, const std::filesystem::path& folder);

} // namespace zoki
