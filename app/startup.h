#pragma once

namespace zoki {

class Program;

// Main window load: prepares the window, the two data files and the statistics.
// Throws FileError when OutData.dat cannot be created or read; the caller then
// names the folder and the reason to the user and ends the program.
void Form_Load(Program& p);
void Form_Activate(Program& p);
void Form_Unload(Program& p);

// "ゾキ ver0.42"
inline constexpr int kVersionMajor = 0;
inline constexpr int kVersionMinor = 4;
inline constexpr int kVersionRevision = 2;

} // namespace zoki
