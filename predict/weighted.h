#pragma once

namespace zoki {

class Program;

void GetByData(Program& p);
// Draws a ticket: getNo := Int(weightTotal × r + 1), 1..weightTotal.
void drawTicket(Program& p);
// Maps p.getNo to p.tempNumLock, drawing again while the number is excluded.
void getNumberMethod(Program& p);

} // namespace zoki
