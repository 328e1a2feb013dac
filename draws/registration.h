#pragma once

namespace zoki {

class Program;

// Form4's "登録" button: checks the seven fields and appends the draw.
void Form4_Command1_Click(Program& p);

} // namespace zoki
