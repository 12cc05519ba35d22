#include "surds/surd_questions.h"

#include <cstdlib>

#include "ui/random.h"

namespace surd {

namespace {

constexpr std::array<int, 9> kind1Limits = {25, 18, 14, 11, 9, 8, 7, 7, 7};

bool isSquare(int v) { return v == 4 || v == 9 || v == 16; }

}  // namespace

int primeOf(int questionCase) { return primes.at(static_cast<std::size_t>(questionCase - 1)); }

int kind1Limit(int questionCase) {
    return kind1Limits.at(static_cast<std::size_t>(questionCase - 1));
}

bool kind3Allows(int b) { return !isSquare(b) && (b % 2 == 1 || b == 2); }

bool kind4Allows(const Kind4& q) {
    if (q.b == 4) return false;
    if (q.firstSign() == q.secondSign()) return true;
    return q.a * q.e != q.b && q.e != q.a && std::abs(q.a - q.e) != 1;
}

bool kind5Allows(const Kind5& q) {
    return q.x != q.m && q.y != q.k && !isSquare(q.k) && !isSquare(q.y);
}

Kind1 drawKind1(ui::Random& random) {
    Kind1 q;
    q.questionCase = random.integer(1, 9);
    q.n = random.integer(2, kind1Limit(q.questionCase));
    return q;
}

Kind2 drawKind2(ui::Random& random) {
    Kind2 q;
    q.questionCase = random.integer(1, 9);
    q.a = random.integer(1, 9);
    return q;
}

Kind3 drawKind3(ui::Random& random) {
    Kind3 q;
    q.questionCase = random.integer(1, 2);
    q.a = random.integer(1, 9);
    do q.b = random.integer(2, 19);
    while (!kind3Allows(q.b));
    return q;
}

Kind4 drawKind4(ui::Random& random) {
    Kind4 q;
    q.questionCase = random.integer(1, 4);
    do {
        q.a = random.integer(1, 9);
        q.b = random.integer(2, 8);
        q.e = random.integer(1, 9);
    } while (!kind4Allows(q));
    return q;
}

Kind5 drawKind5(ui::Random& random) {
    Kind5 q;
    do {
        q.m = random.integer(2, 9);
        q.x = random.integer(2, 9);
        q.k = random.integer(2, 9);
        q.y = random.integer(2, 9);
    } while (!kind5Allows(q));
    return q;
}

Question drawSameKind(const Question& like, ui::Random& random) {
    struct Draw {
        ui::Random& random;
        Question operator()(const Kind1&) const { return drawKind1(random); }
        Question operator()(const Kind2&) const { return drawKind2(random); }
        Question operator()(const Kind3&) const { return drawKind3(random); }
        Question operator()(const Kind4&) const { return drawKind4(random); }
        Question operator()(const Kind5&) const { return drawKind5(random); }
    };
    return std::visit(Draw{random}, like);
}

}  // namespace surd
