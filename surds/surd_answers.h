#pragma once
#include <string>
#include <string_view>

#include "surds/surd_questions.h"

// The worked answers, and which box, root bar and height each question and answer takes.
// Bars are members of the screen's Line1 array.
namespace surd {

// Plain decimal, "-" in front when negative.
std::string numberText(int v);

// Kind 1: a bar over the radicand as long as its digits, over one to four of them.
int kind1QuestionBar(int radicand);
int kind1AnswerBar(int p);

// Kind 2: the root of p over p when a is 1, the root of p alone when a is p, else the general
// box, with a whole coefficient when p divides a and a fraction over p otherwise.
struct Kind2Answer {
    std::string_view box;
    int bar = 0;  // over p in the box shown, by p's digits
    int coefficient = 0;
    bool fraction = false;
    int height = 0;  // of the general box
};
Kind2Answer kind2Answer(const Kind2& q);

// Kind 3: (rational sign root b) over the denominator |d|, the fraction dropped when it is 1.
struct Kind3Answer {
    std::string rational;  // a, or "-" then a
    std::string sign;
    int denominator = 1;
};
Kind3Answer kind3Answer(const Kind3& q);
int kind3Height(int denominator);

// Kind 4: the rational part, sign and coefficient as one text, then the root of the answer's
// radicand: b itself, or 2 when b is 8, whose root is twice the root of 2.
struct Kind4Answer {
    std::string text;
    int radicand = 2;
};
Kind4Answer kind4Answer(const Kind4& q);

}  // namespace surd
