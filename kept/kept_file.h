#pragma once

namespace zoki {

class Program;

// Start-up: creates OutData.dat empty when missing and reads it verbatim.
// A file too large to read is told and left out: the history stays empty.
// Throws FileError when it cannot be created or read otherwise.
void loadOutHistoryAtStartup(Program& p);

// Appends the run's 6N numbers to OutData.dat. False (after telling the user)
// when the file could not be written; file and outHistory are then unchanged.
bool saveInfo(Program& p);

// Reload after saving: every line trimmed, then one spare element.
void reloadOutHistoryTrimmed(Program& p);

// Blanks the reveal labels and re-reads OutData.dat into outHistory.
void DummyFormLoad(Program& p);

// "出力履歴消去(&H)": leaves OutData.dat existing and empty.
void outDataClear_Click(Program& p);

} // namespace zoki
