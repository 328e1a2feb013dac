#include "app/first_start.h"

#include "base/errors.h"
#include "draws/draw_file.h"
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
        return DrawFile(p.drawPath()).read().values.empty();
    } catch (const ProgramError&) {
        return false;
    }
}

} // namespace

void Form_FirstShown(Program& p) {
    if (p.folderUnguarded)
        p.message(msg::kFolderUnguarded, msg::kWarningBracketed);
    if (!drawFileIsEmpty(p))
        return;
    if (p.message(msg::kOfferImport, msg::kQuestion, Buttons::YesNo) == Answer::Yes)
        vImport_Click(p);
}

} // namespace zoki
