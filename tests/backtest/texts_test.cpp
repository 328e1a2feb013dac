// What the player reads: the sentences never claim more than the test says,
// and the CSV row carries every figure.
#include "backtest/backtest_texts.h"
#include "backtest/csv.h"

#include <gtest/gtest.h>

#include <string>

namespace zoki {
namespace {

MethodResult methodWith(int method, double mean, double pValue) {
    MethodResult m;
    m.method = method;
    m.sets = 190000;
    m.ranks = {184800, 0, 1, 3, 201, 4995};
    m.prize = Comparison{1900, mean, mean - 0.0007, mean + 0.0007, 0.0271652, pValue, 0.00334};
    m.matches = Comparison{1900, 0.8401, 0.836, 0.844, 36.0 / 43, 0.2, 0.005};
    return m;
}

TEST(VerdictSentence, SaysBetterOrWorseOnlyWhenTheTestDoes) {
    struct Case {
        const char* name;
        double mean;
        double pValue;
        const char* says;
        const char* neverSays;
    };
    const Case cases[] = {
        {"significantly higher", 0.0300, 0.0004, "より高く、偶然だけでは説明しにくい差でした (p < 0.001)", "区別"},
        {"significantly lower", 0.0250, 0.012, "より低く、偶然だけでは説明しにくい差でした (p = 0.012)", "区別"},
        {"higher but not significantly", 0.0280, 0.21,
         "当選率 2.800% は偶然の 2.717% と区別できません (p = 0.21、この量の履歴では ±0.33 ポイントより小さい差",
         "高く"},
        {"just short of the level", 0.0290, 0.05, "と区別できません (p = 0.050、", "高く"},
    };
    for (const Case& c : cases) {
        const std::string s = btext::verdictSentence(methodWith(1, c.mean, c.pValue));
        EXPECT_TRUE(s.starts_with("データ (重要視): ")) << c.name << ": " << s;
        EXPECT_NE(s.find(c.says), std::string::npos) << c.name << ": " << s;
        EXPECT_EQ(s.find(c.neverSays), std::string::npos) << c.name << ": " << s;
    }
}

TEST(UniformitySentence, NamesTheStatisticAndSaysWhetherTheCountsAreEven) {
    EXPECT_EQ(btext::uniformitySentence(Uniformity{2000, 40.06, 42, 0.556}),
              "過去 2,000 回の本数字の出方は、43 個の数が同じ確率で出るとした場合と矛盾しません "
              "(χ² = 40.1、自由度 42、p = 0.56)。");
    EXPECT_EQ(btext::uniformitySentence(Uniformity{600, 99.0, 42, 0.00001}),
              "過去 600 回の本数字の出方は、43 個の数が同じ確率で出るとした場合から偏っています "
              "(χ² = 99.0、自由度 42、p < 0.001)。");
}

TEST(Figures, AsThePlayerReadsThem) {
    struct Case {
        std::string got;
        const char* expected;
    };
    for (const Case& c : {Case{btext::grouped(6096454), "6,096,454"}, Case{btext::grouped(999), "999"},
                          Case{btext::grouped(1000), "1,000"}, Case{btext::percent(0.0271652, 3), "2.717%"},
                          Case{btext::pValue(0.8149), "0.81"}, Case{btext::pValue(0.0344), "0.034"},
                          Case{btext::pValue(0.00099), "< 0.001"}})
        EXPECT_EQ(c.got, c.expected);
}

TEST(TableCsv, OneRowPerMethodWithSixSignificantDigits) {
    BacktestResult r;
    r.methods.push_back(methodWith(0, 0.0271234567, 0.5));
    r.methods.push_back(methodWith(3, 0.03, 1.0));
    const std::string csv = backtestTableCsv(r, "\r\n");
    const std::string header = "method,sets,tier1,tier2,tier3,tier4,tier5,prize_rate,prize_ci_low,prize_ci_high,"
                               "expected_prize_rate,mean_matches,matches_ci_low,matches_ci_high,expected_matches,"
                               "p_value\r\n";
    EXPECT_EQ(csv, header + "plain,190000,0,1,3,201,4995,0.0271235,0.0264235,0.0278235,0.0271652,0.840100,0.836000,"
                            "0.844000,0.837209,0.500000\r\n"
                            "low,190000,0,1,3,201,4995,0.0300000,0.0293000,0.0307000,0.0271652,0.840100,0.836000,"
                            "0.844000,0.837209,1.00000\r\n");
}

} // namespace
} // namespace zoki
