#include "surds/surd_answers.h"

namespace surd {

namespace {

int signValue(char sign) { return sign == '+' ? 1 : -1; }

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

int digits(int v) {
    int count = 1;
    for (; v >= 10; v /= 10) ++count;
    return count;
}

// a over root p is a root p over p, and p is prime, so only p dividing a cancels.
Kind2Answer kind2Answer(const Kind2& q) {
    const int p = q.p();
    if (q.a % p == 0) return {q.a / p, p, 1};
    return {q.a, p, p};
}

// Times (a - s root b) over itself: the denominator a squared - b takes the sign outside.
Kind3Answer kind3Answer(const Kind3& q) {
    const int d = q.d();
    const char opposite = q.sign() == '+' ? '-' : '+';
    if (d > 0) return {q.a, opposite, q.b, d};
    return {-q.a, q.sign(), q.b, -d};
}

// (a + s1 root b)(e + s2 root b) = a e + s1 s2 b + (s2 a + s1 e) root b.
Kind4Answer kind4Answer(const Kind4& q) {
    const int s1 = signValue(q.firstSign());
    const int s2 = signValue(q.secondSign());
    const Root root = simplified(q.b);
    const int surd = (s2 * q.a + s1 * q.e) * root.coefficient;
    return {q.a * q.e + s1 * s2 * q.b, surd > 0 ? '+' : '-', surd > 0 ? surd : -surd,
            root.radicand};
}

}  // namespace surd
