#include "shell/conversions.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

namespace zoki {
namespace {

TEST(Conversions, CaptionsLoseTheirMnemonicMarkForScreenReaders) {
    const std::pair<QString, QString> cases[] = {
        {"データ(&D)", "データ(D)"}, {"&判定", "判定"}, {"A&&B", "A&B"}, {"&&&x", "&x"}, {"末尾&", "末尾&"}, {"", ""}};
    for (const auto& [caption, name] : cases)
        EXPECT_EQ(qt::withoutMnemonic(caption), name) << caption.toStdString();
}

TEST(Conversions, ScrollBarsTakeTheRangeEitherWayRoundAndAPageOfAFifth) {
    struct Case {
        int min;
        int max;
        qt::ScrollSteps steps;
    };
    for (const Case& c : {Case{1, 5, {1, 5, 1}}, Case{0, 32767, {0, 32767, 6553}}, Case{10, 0, {0, 10, 2}},
                          Case{3, 3, {3, 3, 1}}, Case{INT_MIN, INT_MAX, {INT_MIN, INT_MAX, 858993459}}})
        EXPECT_EQ(qt::scrollSteps(c.min, c.max), c.steps) << c.min << ".." << c.max;
}

TEST(Conversions, TheDesignsWindowsFontBecomesAJapaneseFontOfTheDesktop) {
    QFont base;
    base.setFamilies({"IPAPGothic", "IPAGothic"});
    EXPECT_EQ(qt::familiesFor("ＭＳ ゴシック", base),
              QStringList({"ＭＳ ゴシック", "IPAGothic", "Noto Sans Mono CJK JP", "IPAPGothic"}));
    EXPECT_EQ(qt::familiesFor("Arial", base), QStringList({"Arial", "IPAPGothic", "IPAGothic"}));
}

} // namespace
} // namespace zoki
