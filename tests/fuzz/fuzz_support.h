#pragma once

#include "support/fakes.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zoki::fuzz {

using namespace zoki::test;

// One folder for the whole fuzzing process: creating a folder per input would
// cost more than the code under test.
TempFolder& folder();

// A fresh program over the shared folder, with services that answer every
// question and record nothing of interest.
struct Run {
    ScriptedDialogs dialogs;
    ScriptedRandom random;
    FakePlatform platform;
    std::unique_ptr<Program> program;
    Program& start(); // constructs the program and runs the main window's load
};

// Splits fuzz input into parts at a separator byte.
std::vector<std::string> split(std::string_view bytes, char separator, std::size_t maxParts);

} // namespace zoki::fuzz
