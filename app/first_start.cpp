#include "app/first_start.h"

#include "base/errors.h"
#include "base/loto.h"
#include "base/numtext.h"
#include "base/textfile.h"
#include "import/import.h"
#include "program/messages.h"
#include "program/program.h"

#include <algorithm>
#include <string>

namespace zoki {

namespace {

// Asked of the file itself: a data.dat that could not be read at start-up
// leaves the table empty too, and is no first start.
bool drawFileIsEmpty(const Program& p) {
    try {
        const auto lines = readTextLinesIfExists(p.drawPath(), kMaxDataFileBytes);
        return !lines || std::all_of(lines->begin(), lines->end(),
                                     [](const std::string& line) { return trimSpacesView(line).empty(); });
    } catch (const ProgramError&) {
        return false;
    }
}

} // namespace

void Form_FirstShown(Program& p) {
    if (!drawFileIsEmpty(p))
        return;
    if (p.message(msg::kOfferImport, msg::kQuestion, Buttons::YesNo) == Answer::Yes)
        vImport_Click(p);
}

} // namespace zoki
