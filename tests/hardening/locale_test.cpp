// The window system switches the process to the user's locale; numbers in
// the data files and the forms keep "." as their decimal point even where
// the locale writes a comma.
#include "base/numtext.h"
#include "hardening/scenario.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace zoki {
namespace {

using namespace test;

// Switches LC_NUMERIC to a locale with a decimal comma for the test's
// duration, if one is installed.
class CommaLocale {
public:
    CommaLocale() : old_(std::setlocale(LC_NUMERIC, nullptr)) {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "ru_RU.UTF-8", "de_DE"}) {
            if (std::setlocale(LC_NUMERIC, name) && std::localeconv()->decimal_point == std::string(",")) {
                active_ = name;
                return;
            }
        }
        std::setlocale(LC_NUMERIC, old_.c_str());
    }
    ~CommaLocale() { std::setlocale(LC_NUMERIC, old_.c_str()); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;
    bool active() const { return !active_.empty(); }

private:
    std::string old_;
    std::string active_;
};

TEST(CommaLocale, NumbersKeepTheirDecimalPoint) {
    const CommaLocale locale;
    if (!locale.active())
        GTEST_SKIP() << "no locale with a decimal comma is installed (de_DE, fr_FR or ru_RU)";

    EXPECT_EQ(numericValue("7.5"), 7.5);
    EXPECT_EQ(numericValue(" 1e1 "), 10.0);
    EXPECT_FALSE(isNumber("7,5"));
    EXPECT_EQ(wholePart("43.5"), 43.0);

    // A draw value "7.0" counts as 7, and a registered 1.0 is stored as 1.
    Harness h;
    Program& p = startWith(h, "3\r\n11\r\n19\r\n25\r\n33\r\n41\r\n7.0\r\n", crlf(kTwoSets));
    EXPECT_EQ(p.stats.numberCount[7], 1);
    EXPECT_EQ(p.stats.drawNumberTotal, 7);
    Form4& f = enterDraw(p, {"1.0", "2", "3", "4", "5", "6", "43.0"});
    f.Command1.click();
    EXPECT_TRUE(h.dialogs.shown.empty()) << h.dialogs.shown.front().text;
    EXPECT_EQ(h.folder.read("data.dat"),
              "3\r\n11\r\n19\r\n25\r\n33\r\n41\r\n7.0\r\n" + crlf({"1", "2", "3", "4", "5", "6", "43"}));
}

} // namespace
} // namespace zoki
