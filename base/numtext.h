#pragma once

#include <string>
#include <string_view>

namespace zoki {

// Numeric value of a text as the program reads numbers everywhere: optional
// blanks, an optional sign, decimal digits with an optional fraction and
// exponent, optional blanks. Anything else raises TypeMismatchError.
double numericValue(std::string_view text);

// True when numericValue would succeed.
bool isNumber(std::string_view text);

// Whole part (rounded down, as Int does) of the numeric value of a text.
double wholePart(std::string_view text);

// Whole part as a 16-bit integer (overflow error outside its range).
int wholePart16(std::string_view text);

// How a text names a ball. Blanks never name one, and never fail.
struct BallRules {
    // "7.5" names ball 7, its whole part, rather than none.
    bool wholePart = false;
    // A text that is not a number is a TypeMismatchError rather than no ball.
    bool textFails = false;
};

// The ball 1..kHighestNumber a text names under the rules; 0 for none (a
// number outside the range names none).
int ballNumber(std::string_view text, BallRules rules);

// Nearest integer, a half going to the even neighbour.
double roundHalfEven(double v);

// Leading and trailing spaces removed (spaces only, not tabs).
std::string trimSpaces(std::string_view text);
// The same, as a view into the text.
std::string_view trimSpacesView(std::string_view text);

// The text with full-width digits ("１８", typed with the input method on)
// as the ASCII digits they show ("18"); nothing else changes.
std::string asciiDigits(std::string_view text);

// Plain decimal text of an integer ("7", "-3").
std::string decimalText(long long v);

} // namespace zoki
