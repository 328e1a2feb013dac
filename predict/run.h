#pragma once

namespace zoki {

class Program;

// The start button "判定" (and the picture Image5).
void Command1_Click(Program& p);
void Image5_Click(Program& p);
void NormalGet(Program& p);
void sortMethodZ(Program& p);

} // namespace zoki
