#include "support/fakes.h"

#include "app/startup.h"
#include "app/version.h"
#include "app/wiring.h"
#include "base/syscalls.h"
#include "base/textfile.h"

#include <algorithm>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>

namespace zoki::test {

Answer ScriptedDialogs::messageBox(const std::string& text, const std::string& title, Buttons buttons, Icon icon) {
    shown.push_back({text, title, buttons, icon});
    if (duringMessage)
        duringMessage(shown.back());
    if (!answers.empty()) {
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    // Unscripted, a question gets its default button, as Enter would.
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::No;
}

std::optional<std::string> ScriptedDialogs::saveFileName(const std::string& filter, const std::string& lastName) {
    saveRequests.push_back({filter, lastName});
    if (saveAnswers.empty())
        return std::nullopt;
    auto a = saveAnswers.front();
    saveAnswers.pop_front();
    return a;
}

std::optional<std::string> ScriptedDialogs::openFileName(const std::string& title, const std::string& filter,
                                                         const std::string& folder) {
    openRequests.push_back({title, filter, folder});
    if (openAnswers.empty())
        return std::nullopt;
    auto a = openAnswers.front();
    openAnswers.pop_front();
    return a;
}

float ScriptedRandom::next() {
    ++drawn;
    if (values.empty())
        return fallback;
    const float v = values.front();
    values.pop_front();
    fallback = v;
    return v;
}

TempFolder::TempFolder() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("zoki-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

void TempFolder::write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string TempFolder::read(const std::string& name) const {
    return readFile(path_ / name, std::numeric_limits<std::size_t>::max());
}

bool TempFolder::exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }

std::vector<std::pair<std::string, std::string>> datedBackups(const TempFolder& folder, const std::string& name) {
    std::vector<std::pair<std::string, std::string>> out;
    for (const auto& e : std::filesystem::directory_iterator(folder.path())) {
        const std::string file = e.path().filename().string();
        // name, a dot, yyyymmdd-hhmmss, perhaps a copy number, ".bak"
        if (file.size() >= name.size() + 20 && file.rfind(name + ".", 0) == 0 && file.ends_with(".bak") &&
            file[name.size() + 9] == '-')
            out.emplace_back(file, folder.read(file));
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<std::string> backupContents(const TempFolder& folder, const std::string& name) {
    std::vector<std::string> out;
    for (const auto& backup : datedBackups(folder, name))
        out.push_back(backup.second);
    return out;
}

const std::string kTitle =
    "ゾキ ver" + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + std::to_string(kVersionRevision);

std::string crlf(const std::vector<std::string>& lines) { return joinLines(lines); }

std::string drawFile(const std::vector<std::vector<int>>& draws) {
    std::vector<std::string> lines;
    for (const auto& d : draws)
        for (int n : d)
            lines.push_back(std::to_string(n));
    return crlf(lines);
}

Program& Harness::start() { return startIn(folder); }

Program& Harness::startIn(const TempFolder& shared) {
    program = std::make_unique<Program>(shared.path(), dialogs, random, platform, wire);
    Form_Load(*program);
    return *program;
}

} // namespace zoki::test
