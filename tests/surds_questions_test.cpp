#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <set>
#include <tuple>

#include "support/fake_platform.h"
#include "surds/surd_questions.h"
#include "ui/random.h"

namespace {

using namespace surd;

using Numbers = std::tuple<int, int, int, int>;

// Every question each kind may ask, written from the rules as a teacher states them; numbers
// a kind does not have are 0.
std::set<Numbers> allowed(int kind) {
    // The largest kind-1 radicand of each prime.
    const std::array<int, 9> largest = {1250, 972, 980, 847, 891, 832, 833, 931, 1127};
    std::set<Numbers> all;
    for (int c = 1; c <= 9; ++c)
        for (int n = 2; kind == 1 && primes[c - 1] * n * n <= largest[c - 1]; ++n)
            all.emplace(c, n, 0, 0);
    for (int c = 1; c <= 9; ++c)
        for (int a = 1; kind == 2 && a <= 9; ++a) all.emplace(c, a, 0, 0);
    for (int c = 1; c <= 2; ++c)
        for (int a = 1; kind == 3 && a <= 9; ++a)
            for (int b : {2, 3, 5, 7, 11, 13, 15, 17, 19}) all.emplace(c, a, b, 0);
    // With unlike signs the rational part a e - b is not 0, and the surd's coefficient, a - e
    // either way, is 2 or more.
    for (int c = 1; c <= 4; ++c)
        for (int a = 1; kind == 4 && a <= 9; ++a)
            for (int b : {2, 3, 5, 6, 7, 8})
                for (int e = 1; e <= 9; ++e)
                    if ((c == 1 || c == 4) || (a * e != b && std::abs(a - e) >= 2))
                        all.emplace(c, a, b, e);
    for (int m = 2; kind == 5 && m <= 9; ++m)
        for (int x = 2; x <= 9; ++x)
            for (int k : {2, 3, 5, 6, 7, 8})
                for (int y : {2, 3, 5, 6, 7, 8})
                    if (m != x && k != y) all.emplace(m, x, k, y);
    return all;
}

Numbers numbers(const Kind1& q) { return {q.questionCase, q.n, 0, 0}; }
Numbers numbers(const Kind2& q) { return {q.questionCase, q.a, 0, 0}; }
Numbers numbers(const Kind3& q) { return {q.questionCase, q.a, q.b, 0}; }
Numbers numbers(const Kind4& q) { return {q.questionCase, q.a, q.b, q.e}; }
Numbers numbers(const Kind5& q) { return {q.m, q.x, q.k, q.y}; }

Numbers draw(int kind, ui::Random& random) {
    const Question kinds[] = {Kind1{}, Kind2{}, Kind3{}, Kind4{}, Kind5{}};
    const Question q = drawSameKind(kinds[kind - 1], random);
    EXPECT_EQ(q.index(), static_cast<std::size_t>(kind - 1)) << "drawn as another kind";
    return std::visit([](const auto& drawn) { return numbers(drawn); }, q);
}

class SurdDraws : public testing::TestWithParam<int> {
protected:
    FakePlatform platform;
    ui::Random random{platform};
};

// From many clock readings every allowed question comes up and nothing else does: no
// rejected draw is ever shown.
TEST_P(SurdDraws, MakeExactlyTheAllowedQuestions) {
    std::set<Numbers> seen;
    for (std::uint64_t clock = 1; clock <= 200'000; ++clock) {
        random.seed(clock);
        seen.insert(draw(GetParam(), random));
    }
    EXPECT_EQ(seen, allowed(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Kinds, SurdDraws, testing::Range(1, 6),
                         [](const auto& info) { return "kind" + std::to_string(info.param); });

// Redrawing b alone keeps its nine values equally likely.
TEST(SurdKind3, RadicandIsUniformOverItsNineValues) {
    FakePlatform platform;
    ui::Random random{platform};
    random.seed(20240601);
    std::map<int, int> count;
    constexpr int n = 90'000;
    for (int i = 0; i < n; ++i) ++count[drawKind3(random).b];
    ASSERT_EQ(count.size(), 9u);
    double chiSquare = 0;
    for (const auto& [b, seen] : count) chiSquare += std::pow(seen - n / 9.0, 2) / (n / 9.0);
    EXPECT_LT(chiSquare, 26.12) << "8 degrees of freedom, p = 0.001";
}

}  // namespace
