#pragma once

namespace zoki {

class Program;

void vCheckNumber_Click(Program& p);
void showCheckPage(Program& p);
void checkHit(Program& p);
void blackData(Program& p);
void Form5_VScroll1_Change(Program& p);
void Form5_VScroll2_Change(Program& p);

} // namespace zoki
