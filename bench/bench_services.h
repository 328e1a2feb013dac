#pragma once

#include "base/services.h"

#include <optional>
#include <string>

namespace zoki::bench {

// Answers every message box with `answer` and cancels every save dialog.
class SilentDialogs : public Dialogs {
public:
    explicit SilentDialogs(Answer answer = Answer::Ok) : answer(answer) {}
    Answer messageBox(const std::string&, const std::string&, Buttons, Icon) override { return answer; }
    std::optional<std::string> saveFileName(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::string> openFileName(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    Answer answer;
};

class FixedRandom : public Random {
public:
    float next() override { return 0.5f; }
    void reseedFromClock() override {}
};

class NoPlatform : public Platform {
public:
    void quit() override {}
};

} // namespace zoki::bench
