#include "surds/surd_answers.h"

namespace surd {

namespace {

bool twoDigits(int v) { return v >= 10; }

// The root of b as c times the root of r, r free of square factors.
struct Root {
    int coefficient = 1;
    int radicand = 1;
};
Root simplified(int b) {
    Root root{1, b};
    for (int f = 2; f * f <= root.radicand;) {
        if (root.radicand % (f * f) == 0) {
            root.radicand /= f * f;
            root.coefficient *= f;
        } else {
            ++f;
        }
    }
    return root;
}

}  // namespace

std::string numberText(int v) { return std::to_string(v); }

int kind1QuestionBar(int radicand) {
    if (radicand < 10) return 7;
    if (radicand < 100) return 8;
    if (radicand < 1000) return 0;
    return 42;
}

int kind1AnswerBar(int p) { return twoDigits(p) ? 3 : 6; }

Kind2Answer kind2Answer(const Kind2& q) {
    const int p = q.p();
    if (q.a == 1) return {.box = "Frame6", .bar = twoDigits(p) ? 47 : 19};
    if (q.a == p) return {.box = "Frame7", .bar = 26};
    Kind2Answer answer{.box = "Frame5", .bar = twoDigits(p) ? 48 : 15};
    if (q.a % p == 0) {
        answer.coefficient = q.a / p;
        answer.height = 1470;
    } else {
        answer.coefficient = q.a;
        answer.fraction = true;
        answer.height = 2370;
    }
    return answer;
}

Kind3Answer kind3Answer(const Kind3& q) {
    const int d = q.d();
    const bool plus = q.questionCase == 1;
    if (d > 0) return {numberText(q.a), plus ? "-" : "+", d};
    return {numberText(-q.a), plus ? "+" : "-", -d};
}

int kind3Height(int denominator) { return denominator == 1 ? 1470 : 2670; }

Kind4Answer kind4Answer(const Kind4& q) {
    int rational = 0;
    int surd = 0;  // the coefficient of the root of b
    switch (q.questionCase) {
        case 1: rational = q.a * q.e + q.b, surd = q.a + q.e; break;
        case 2: rational = q.a * q.e - q.b, surd = q.e - q.a; break;
        case 3: rational = q.a * q.e - q.b, surd = q.a - q.e; break;
        default: rational = q.a * q.e + q.b, surd = -(q.a + q.e); break;
    }
    const Root root = simplified(q.b);
    surd *= root.coefficient;
    const std::string sign = surd > 0 ? " + " : " - ";
    return {numberText(rational) + sign + numberText(surd > 0 ? surd : -surd), root.radicand};
}

}  // namespace surd
