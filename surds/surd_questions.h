#pragma once
#include <array>
#include <variant>

namespace ui {
class Random;
}

namespace surd {

// The primes under the roots, by question case 1 to 9.
inline constexpr std::array<int, 9> primes = {2, 3, 5, 7, 11, 13, 17, 19, 23};
int primeOf(int questionCase);

// Simplify the root of p times n squared.
struct Kind1 {
    int questionCase = 1;
    int n = 2;
    int p() const { return primeOf(questionCase); }
    int radicand() const { return p() * n * n; }
};
// The largest n of a case: keeps every radicand to four digits at most.
int kind1Limit(int questionCase);

// a over the root of p.
struct Kind2 {
    int questionCase = 1;
    int a = 1;
    int p() const { return primeOf(questionCase); }
};

// 1 over (a + root b) in case 1, over (a - root b) in case 2.
struct Kind3 {
    int questionCase = 1;
    int a = 1;
    int b = 2;
    char sign() const { return questionCase == 1 ? '+' : '-'; }
    int d() const { return a * a - b; }
};
// b is never a square, nor even unless it is 2.
bool kind3Allows(int b);

// (a s1 root b)(e s2 root b) with signs (+, +), (+, -), (-, +), (-, -) in cases 1 to 4.
struct Kind4 {
    int questionCase = 1;
    int a = 1;
    int b = 2;
    int e = 1;
    char firstSign() const { return questionCase <= 2 ? '+' : '-'; }
    char secondSign() const { return questionCase % 2 == 1 ? '+' : '-'; }
};
// With unlike signs the answer keeps a rational part and a surd of coefficient 2 or more.
bool kind4Allows(const Kind4& q);

// Between m and x, and between root k and root y.
struct Kind5 {
    int m = 2;
    int x = 3;
    int k = 2;
    int y = 3;
};
bool kind5Allows(const Kind5& q);

using Question = std::variant<Kind1, Kind2, Kind3, Kind4, Kind5>;

// Each draws in the order the questions have always drawn in, again until the draw is allowed.
Kind1 drawKind1(ui::Random& random);
Kind2 drawKind2(ui::Random& random);
Kind3 drawKind3(ui::Random& random);
Kind4 drawKind4(ui::Random& random);
Kind5 drawKind5(ui::Random& random);
// A new question of the kind of `like`.
Question drawSameKind(const Question& like, ui::Random& random);

}  // namespace surd
