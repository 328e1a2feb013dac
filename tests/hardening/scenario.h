#pragma once

// What the user does with the program, step by step, for the hardening
// tests: start it over given files, run and reveal a prediction, open the
// windows, register a draw, write a report.

#include "base/textfile.h"
#include "program/main_window.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace zoki::test {

using Lines = std::vector<std::string>;

inline const std::vector<std::vector<int>> kThreeDraws = {
    {3, 11, 19, 25, 33, 41, 7}, {2, 8, 20, 27, 30, 43, 15}, {1, 5, 12, 23, 34, 40, 9}};
inline const Lines kTwoSets = {"4", "9", "15", "22", "30", "41", "1", "5", "12", "23", "34", "40"};
inline const std::vector<std::string> kNewDraw = {"6", "13", "21", "28", "36", "42", "10"};

inline const std::string kKeepQuestion = "今回の出力結果を履歴に残しますか？";
inline const std::string kWish = "当たりますように(笑)";
// What the dispatcher says when a fault escapes a handler: never expected.
inline const std::string kEscaped = "処理を続けられませんでした。";

// Writes the two data files (std::nullopt leaves one absent) and starts.
inline Program& startWith(Harness& h, const std::optional<std::string>& drawBytes,
                          const std::optional<std::string>& outBytes) {
    if (drawBytes)
        h.folder.write("data.dat", *drawBytes);
    if (outBytes)
        h.folder.write("OutData.dat", *outBytes);
    return h.start();
}

// Plenty of well spread random values, the same every time.
inline void spreadRandom(ScriptedRandom& random, unsigned seed = 7) {
    std::mt19937 gen(seed);
    std::uniform_real_distribution<float> dist(0.0f, 0.999f);
    random.values.clear();
    for (int i = 0; i < 20000; ++i)
        random.values.push_back(dist(gen));
}

// The start button pressed for `sets` sets in the current mode, the reveal
// ticked through to the keep question, which gets `answer`. The random
// values `first` come before the spread ones.
inline void runAndReveal(Harness& h, int sets, Answer answer, const std::vector<float>& first = {}) {
    Program& p = h.p();
    p.form1.VScroll1.setValue(sets);
    spreadRandom(h.random);
    h.random.values.insert(h.random.values.begin(), first.begin(), first.end());
    p.form1.Command1.click();
    h.dialogs.answers.push_back(answer);
    for (int tick = 0; tick < 6 * sets; ++tick)
        p.form1.Timer1.tick();
}

// The sets of the last run as the board shows them.
inline std::vector<Lines> boardSets(Program& p, int sets) {
    std::vector<Lines> out;
    for (int r = 0; r < sets; ++r) {
        Lines set;
        for (int c = 0; c < 6; ++c)
            set.push_back(p.form1.Label8(6 * r + c).caption());
        out.push_back(set);
    }
    return out;
}

// The sets of the last run as generated (a declined run leaves the board
// empty).
inline std::vector<Lines> predictedSets(Program& p, int sets) {
    std::vector<Lines> out;
    for (int r = 0; r < sets; ++r) {
        Lines set;
        for (int c = 0; c < 6; ++c)
            set.push_back(cellText(p.predictNumbers[static_cast<std::size_t>(6 * r + c)]));
        out.push_back(set);
    }
    return out;
}

// The first predicted numbers, as a run leaves them.
inline void setPredicted(Program& p, const Lines& numbers) {
    for (std::size_t i = 0; i < numbers.size(); ++i)
        p.predictNumbers.at(i) = std::stoi(numbers[i]);
}

// Six different numbers 1..43 in ascending order, as every run must give.
inline void expectSoundSet(const Lines& set, const std::string& where) {
    ASSERT_EQ(set.size(), 6U) << where;
    int last = 0;
    for (const std::string& text : set) {
        const int n = std::atoi(text.c_str());
        EXPECT_EQ(std::to_string(n), text) << where;
        EXPECT_GE(n, 1) << where;
        EXPECT_LE(n, 43) << where;
        EXPECT_GT(n, last) << where << ": not ascending or repeated";
        last = n;
    }
}

// The registration form opened from the menu and filled in.
inline Form4& enterDraw(Program& p, const std::vector<std::string>& numbers) {
    p.form1.addAdd.click();
    Form4& f = p.form4();
    for (int k = 0; k < 7; ++k)
        f.Text1(k).setText(numbers[static_cast<std::size_t>(k)]);
    return f;
}

inline std::vector<std::string> fieldTexts(Form4& f) {
    std::vector<std::string> out;
    for (int k = 0; k < 7; ++k)
        out.push_back(f.Text1(k).text());
    return out;
}

// Names of the files and folders in a folder, sorted.
inline std::vector<std::string> entriesOf(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

inline bool anyMessageContains(const ScriptedDialogs& d, const std::string& piece) {
    return std::any_of(d.shown.begin(), d.shown.end(),
                       [&](const ShownMessage& m) { return m.text.find(piece) != std::string::npos; });
}

// The three reports, each started from its menu item.
struct ReportKind {
    const char* name;
    MenuItem Form1::*item;
};
inline const std::vector<ReportKind> kReports = {
    {"prediction report", &Form1::vResData},
    {"winning numbers report", &Form1::vResHitNoData},
    {"hit history report", &Form1::vResHistData},
};

} // namespace zoki::test
