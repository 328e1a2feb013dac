#pragma once

namespace zoki {

class Program;

void vResData_Click(Program& p);
void vResHitNoData_Click(Program& p);
void vResHistData_Click(Program& p);

} // namespace zoki
