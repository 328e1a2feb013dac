#include "app/first_start.h"

#include "base/errors.h"
#include "base/file_read.h"
#include "base/loto.h"
#include "import/import.h"
#include "program/messages.h"
#include "program/program.h"

#include <string>

namespace zoki {

namespace {

// Asked of the file itself: a data.dat that could not be read at start-up
// leaves the table empty too, and is no first start.
bool drawFileIsEmpty(const Program& p) {
    try {
        // Blanks and line ends only: no line holds a value. Any other byte,
        // in either code page, is one.
        const FileContent bytes = readFileIfExists(p.drawPath(), kMaxDataFileBytes);
        return !bytes || bytes->find_first_not_of(" \r\n") == std::string::npos;
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
