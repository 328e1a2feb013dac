#pragma once

namespace zoki {

class Program;

// A reveal starts: the controls that would disturb it are disabled.
void disableRunControls(Program& p);

// A reveal is done: asks whether to keep its sets, keeps them (saves and
// reloads both tables) or clears the board, enables the controls again and
// forgets the chosen number.
void finishReveal(Program& p);

// The two under the one name the behaviour gives them: 0 is
// disableRunControls, any other value finishReveal.
void itemEnable(Program& p, int checkEnable);

} // namespace zoki
