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

constexpr int draws = 200'000;

// Every question each kind may ask, written from the rules as a teacher states them.
std::set<std::tuple<int, int>> allowedKind1() {
    // The largest radicand of each prime.
    const std::array<int, 9> largest = {1250, 972, 980, 847, 891, 832, 833, 931, 1127};
    std::set<std::tuple<int, int>> all;
    for (int c = 1; c <= 9; ++c)
        for (int n = 2; primes[c - 1] * n * n <= largest[c - 1]; ++n) all.emplace(c, n);
    return all;
}

std::set<std::tuple<int, int>> allowedKind2() {
    std::set<std::tuple<int, int>> all;
    for (int c = 1; c <= 9; ++c)
        for (int a = 1; a <= 9; ++a) all.emplace(c, a);
    return all;
}

std::set<std::tuple<int, int, int>> allowedKind3() {
    std::set<std::tuple<int, int, int>> all;
    for (int c = 1; c <= 2; ++c)
        for (int a = 1; a <= 9; ++a)
            for (int b : {2, 3, 5, 7, 11, 13, 15, 17, 19}) all.emplace(c, a, b);
    return all;
}

// With unlike signs the rational part a e - b is not 0 and the surd's coefficient a - e is
// 2 or more either way.
std::set<std::tuple<int, int, int, int>> allowedKind4() {
    std::set<std::tuple<int, int, int, int>> all;
    for (int c = 1; c <= 4; ++c)
        for (int a = 1; a <= 9; ++a)
            for (int b : {2, 3, 5, 6, 7, 8})
                for (int e = 1; e <= 9; ++e) {
                    const bool unlike = c == 2 || c == 3;
                    if (unlike && (a * e == b || std::abs(a - e) < 2)) continue;
                    all.emplace(c, a, b, e);
                }
    return all;
}

std::set<std::tuple<int, int, int, int>> allowedKind5() {
    std::set<std::tuple<int, int, int, int>> all;
    for (int m = 2; m <= 9; ++m)
        for (int x = 2; x <= 9; ++x)
            for (int k : {2, 3, 5, 6, 7, 8})
                for (int y : {2, 3, 5, 6, 7, 8})
                    if (m != x && k != y) all.emplace(m, x, k, y);
    return all;
}

class SurdDraws : public testing::Test {
protected:
    // The draws of one question from each of many clock readings, as the screen reseeds.
    template <class Draw>
    auto drawnFrom(Draw draw) {
        std::set<decltype(draw(random))> seen;
        for (std::uint64_t clock = 1; clock <= draws; ++clock) {
            random.seed(clock);
            seen.insert(draw(random));
        }
        return seen;
    }

    FakePlatform platform;
    ui::Random random{platform};
};

// Over many seeds every allowed question comes up and nothing else does: no rejected draw
// is ever shown.
TEST_F(SurdDraws, Kind1MakesExactlyTheAllowedQuestions) {
    EXPECT_EQ(drawnFrom([](ui::Random& r) {
                  const Kind1 q = drawKind1(r);
                  return std::make_tuple(q.questionCase, q.n);
              }),
              allowedKind1());
}

TEST_F(SurdDraws, Kind2MakesExactlyTheAllowedQuestions) {
    EXPECT_EQ(drawnFrom([](ui::Random& r) {
                  const Kind2 q = drawKind2(r);
                  return std::make_tuple(q.questionCase, q.a);
              }),
              allowedKind2());
}

TEST_F(SurdDraws, Kind3MakesExactlyTheAllowedQuestions) {
    EXPECT_EQ(drawnFrom([](ui::Random& r) {
                  const Kind3 q = drawKind3(r);
                  return std::make_tuple(q.questionCase, q.a, q.b);
              }),
              allowedKind3());
}

TEST_F(SurdDraws, Kind4MakesExactlyTheAllowedQuestions) {
    EXPECT_EQ(drawnFrom([](ui::Random& r) {
                  const Kind4 q = drawKind4(r);
                  return std::make_tuple(q.questionCase, q.a, q.b, q.e);
              }),
              allowedKind4());
}

TEST_F(SurdDraws, Kind5MakesExactlyTheAllowedPuzzles) {
    EXPECT_EQ(drawnFrom([](ui::Random& r) {
                  const Kind5 q = drawKind5(r);
                  return std::make_tuple(q.m, q.x, q.k, q.y);
              }),
              allowedKind5());
}

// Redrawing b alone keeps its nine values equally likely.
TEST_F(SurdDraws, Kind3RadicandIsUniformOverItsNineValues) {
    random.seed(20240601);
    std::map<int, int> count;
    constexpr int n = 90'000;
    for (int i = 0; i < n; ++i) ++count[drawKind3(random).b];
    ASSERT_EQ(count.size(), 9u);
    double chiSquare = 0;
    for (const auto& [b, seen] : count) chiSquare += std::pow(seen - n / 9.0, 2) / (n / 9.0);
    EXPECT_LT(chiSquare, 26.12) << "8 degrees of freedom, p = 0.001";
}

// The whole four-number draw is repeated, so k and y stay spread over the six values.
TEST_F(SurdDraws, Kind5RootsAreSpreadOverTheSixNonSquares) {
    random.seed(77);
    std::map<int, int> count;
    constexpr int n = 60'000;
    for (int i = 0; i < n; ++i) {
        const Kind5 q = drawKind5(random);
        ++count[q.k];
        ++count[q.y];
    }
    ASSERT_EQ(count.size(), 6u);
    for (const auto& [v, seen] : count) EXPECT_NEAR(seen, 2 * n / 6.0, 2 * n / 60.0) << v;
}

}  // namespace
