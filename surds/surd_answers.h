#pragma once
#include <string>

#include "surds/surd_questions.h"

// The worked answers, as numbers; the screen decides where each one is written.
namespace surd {

// Plain decimal, "-" in front when negative.
std::string numberText(int v);
int digits(int v);

// Kind 2: coefficient times the root of radicand, over denominator, in lowest terms.
struct Kind2Answer {
    int coefficient = 1;
    int radicand = 2;
    int denominator = 1;
    bool operator==(const Kind2Answer&) const = default;
};
Kind2Answer kind2Answer(const Kind2& q);

// Kind 3: (rational sign root radicand) over denominator, which is positive.
struct Kind3Answer {
    int rational = 0;
    char sign = '+';
    int radicand = 2;
    int denominator = 1;
    bool operator==(const Kind3Answer&) const = default;
};
Kind3Answer kind3Answer(const Kind3& q);

// Kind 4: rational sign coefficient times the root of radicand, which is free of square
// factors; the coefficient is positive.
struct Kind4Answer {
    int rational = 0;
    char sign = '+';
    int coefficient = 1;
    int radicand = 2;
    bool operator==(const Kind4Answer&) const = default;
};
Kind4Answer kind4Answer(const Kind4& q);

}  // namespace surd
