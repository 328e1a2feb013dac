#include "import/history_parser.h"

#include "base/textfile.h"
#include "import/history_decoding.h"
#include "import/history_draws.h"
#include "import/history_layout.h"

#include <utility>

namespace zoki {

namespace {

int nonEmptyLines(std::string_view text) {
    int n = 0;
    forEachLine(text, [&](std::string_view line) { n += !line.empty(); });
    return n;
}

// A file of rows. Where nothing in it tells which columns hold the numbers
// (a short file without a header), or the draws' order (no draw numbers, no
// dates), every reading is kept, and data.dat has to tell which holds.
DrawHistory readRowsOf(std::string_view text) {
    using namespace parsing;
    const Separator sep = chooseSeparator(text);
    const Layout layout = layoutOf(text, sep);
    DrawHistory h;
    if (layout.otherGame) {
        h.otherGame = true;
    } else if (layout.offset >= 0) {
        DrawHistory fromTheEnd;
        h = readRows(text, sep, layout, layout.numberColumn, &fromTheEnd);
        for (const int column : layout.rivals)
            h.rivals.push_back(readRows(text, sep, layout, column));
        for (const int offset : layout.offsetTies) {
            Layout moved = layout;
            moved.offset = offset;
            h.rivals.push_back(readRows(text, sep, moved, layout.numberColumn));
        }
        if (h.order == HistoryOrder::FileOrder && h.draws.size() > 1)
            h.rivals.push_back(std::move(fromTheEnd));
    }
    return h;
}

} // namespace

const FaultyRow* DrawHistory::stoppingRow() const {
    for (const FaultyRow& f : faults) {
        if (keptOut.afterLine != 0 ? f.line == keptOut.afterLine
                                   : keptOut.afterDraw != 0 && !keptOut.absent && f.draw == keptOut.afterDraw)
            return &f;
    }
    return nullptr;
}

std::string decodeHistoryText(std::string_view bytes, std::vector<int>* undecoded) {
    std::string store;
    const std::string_view text = parsing::decodeInto(bytes, store, undecoded);
    return text.data() == store.data() ? store : std::string(text);
}

DrawHistory parseDrawHistory(std::string_view bytes) {
    using namespace parsing;
    std::vector<int> undecoded;
    std::string store;
    const std::string_view text = decodeInto(bytes, store, &undecoded);

    DrawHistory h;
    const int lines = undecoded.empty() ? 0 : nonEmptyLines(text);
    if (static_cast<int>(undecoded.size()) * 2 > lines) {
        // Mostly bytes of no known encoding: whatever columns could be
        // found, those that place the draws may be among the lost.
        h.unreadable = Unreadable::Text;
        h.lines = lines;
    } else if (!readDrawFileCopy(text, h)) {
        h = readRowsOf(text);
    }
    for (DrawHistory& rival : h.rivals)
        rival.undecodedLines = undecoded;
    h.undecodedLines = std::move(undecoded);
    return h;
}

} // namespace zoki
