#include "import/history_parser.h"

#include "import/history_decoding.h"
#include "import/history_draws.h"
#include "import/history_layout.h"

#include <utility>

namespace zoki {

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
    if (!readDrawFile(text, h)) {
        h = DrawHistory{};
        const Separator sep = chooseSeparator(text);
        const Layout layout = layoutOf(text, sep);
        if (layout.otherGame) {
            h.otherGame = true;
        } else if (layout.offset >= 0) {
            h = readRows(text, sep, layout, layout.numberColumn);
            for (const int column : layout.rivals)
                h.rivals.push_back(readRows(text, sep, layout, column));
        }
    }
    for (DrawHistory& rival : h.rivals)
        rival.undecodedLines = undecoded;
    h.undecodedLines = std::move(undecoded);
    return h;
}

} // namespace zoki
