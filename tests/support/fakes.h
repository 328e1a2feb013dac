#pragma once

#include "base/services.h"
#include "program/program.h"

#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zoki::test {

struct ShownMessage {
    std::string text;
    std::string title;
    Buttons buttons;
    Icon icon;
};

// Records every message box and answers from a script, else with the
// default button (Ok; Yes, or No for YesNoDefaultNo).
// `duringMessage` runs while a box is "open", to look at the window then.
class ScriptedDialogs : public Dialogs {
public:
    Answer messageBox(const std::string& text, const std::string& title, Buttons buttons, Icon icon) override;
    std::optional<std::string> saveFileName(const std::string& filter, const std::string& lastName) override;
    std::optional<std::string> openFileName(const std::string& title, const std::string& filter,
                                            const std::string& folder) override;

    std::vector<ShownMessage> shown;
    std::deque<Answer> answers;
    std::function<void(const ShownMessage&)> duringMessage;

    struct SaveRequest {
        std::string filter;
        std::string lastName;
    };
    std::vector<SaveRequest> saveRequests;
    std::deque<std::optional<std::string>> saveAnswers; // nullopt = cancelled

    struct OpenRequest {
        std::string title;
        std::string filter;
        std::string folder;
    };
    std::vector<OpenRequest> openRequests;
    std::deque<std::optional<std::string>> openAnswers; // nullopt = cancelled
};

// Plays back exact values, then repeats the last one; counts re-seeds.
class ScriptedRandom : public Random {
public:
    float next() override;
    void reseedFromClock() override { ++reseeds; }
    std::deque<float> values;
    float fallback = 0.0f;
    int reseeds = 0;
    int drawn = 0;
};

class FakePlatform : public Platform {
public:
    void quit() override { ++quits; }
    int quits = 0;
};

// A fresh empty folder, removed afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const;

private:
    std::filesystem::path path_;
};

// The dated backups of `name` in a folder ("data.dat.20261208-153012.bak"),
// file name and content, in name order.
std::vector<std::pair<std::string, std::string>> datedBackups(const TempFolder& folder, const std::string& name);
// Their contents alone.
std::vector<std::string> backupContents(const TempFolder& folder, const std::string& name);

// The main window's title for this build's version, from the version header
// CMake writes: "ゾキ ver0.42" for 0.4.2.
extern const std::string kTitle;

// Lines joined with CR LF after each.
std::string crlf(const std::vector<std::string>& lines);
// A data.dat of whole draws: seven numbers each.
std::string drawFile(const std::vector<std::vector<int>>& draws);

// A program over a temporary folder with scripted services; start() runs the
// main window's start-up as the window system would.
struct Harness {
    TempFolder folder;
    ScriptedDialogs dialogs;
    ScriptedRandom random;
    FakePlatform platform;
    std::unique_ptr<Program> program;

    Program& start();
    // Starts over another harness's folder, as a second copy would.
    Program& startIn(const TempFolder& shared);
    Program& p() { return *program; }
};

} // namespace zoki::test
