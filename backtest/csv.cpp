#include "backtest/csv.h"

#include "backtest/chance.h"

#include <cstdio>
#include <string_view>

namespace zoki {

namespace {

// Six significant digits, trailing zeros kept ("0.0271652", "1.00000"); an
// exponent only for what six digits after the point cannot hold.
std::string decimal(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%#.6g", v);
    return buffer;
}

void field(std::string& line, std::string_view text) {
    if (!line.empty())
        line += ',';
    line += text;
}

std::string methodRow(const MethodResult& m) {
    std::string line;
    field(line, kBacktestMethods[m.method].name);
    field(line, std::to_string(m.sets));
    for (int rank = 1; rank <= kPrizeRanks; ++rank)
        field(line, std::to_string(m.ranks[static_cast<std::size_t>(rank)]));
    for (const Comparison* c : {&m.prize, &m.matches})
        for (const double v : {c->mean, c->low, c->high, c->expected})
            field(line, decimal(v));
    field(line, decimal(m.prize.pValue));
    return line;
}

} // namespace

std::string backtestTableCsv(const BacktestResult& r, const char* lineEnd) {
    std::string out = "method,sets,tier1,tier2,tier3,tier4,tier5,prize_rate,prize_ci_low,prize_ci_high,"
                      "expected_prize_rate,mean_matches,matches_ci_low,matches_ci_high,expected_matches,p_value";
    out += lineEnd;
    for (const MethodResult& m : r.methods) {
        out += methodRow(m);
        out += lineEnd;
    }
    return out;
}

std::string backtestDetailCsv(const BacktestResult& r, const char* lineEnd) {
    std::string out = "draw,method,repeat,set,n1,n2,n3,n4,n5,n6,matches,bonus,tier";
    out += lineEnd;
    out.reserve(r.detail.size() * 48);
    for (const SetRecord& s : r.detail) {
        std::string line = std::to_string(s.draw);
        field(line, kBacktestMethods[s.method].name);
        field(line, std::to_string(s.repeat));
        field(line, std::to_string(s.set));
        for (const std::uint8_t n : s.numbers)
            field(line, std::to_string(n));
        field(line, std::to_string(s.matches));
        field(line, s.bonus ? "1" : "0");
        field(line, std::to_string(s.rank));
        out += line;
        out += lineEnd;
    }
    return out;
}

} // namespace zoki
