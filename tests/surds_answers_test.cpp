#include <gtest/gtest.h>

#include "surds/surd_answers.h"

namespace {

using namespace surd;

// Worked by hand: every form each kind's answer takes, signs on both sides of the denominator.

TEST(SurdAnswers, Kind2CancelsOnlyWhenPDividesA) {
    const struct {
        Kind2 q;
        Kind2Answer answer;
    } rows[] = {
        {{1, 1}, {1, 2, 2}},    // 1 / root 2 = root 2 / 2
        {{1, 2}, {1, 2, 1}},    // 2 / root 2 = root 2
        {{1, 6}, {3, 2, 1}},    // 6 / root 2 = 3 root 2
        {{2, 5}, {5, 3, 3}},    // 5 / root 3 = 5 root 3 / 3
        {{5, 7}, {7, 11, 11}},  // 7 / root 11 = 7 root 11 / 11
    };
    for (const auto& row : rows) EXPECT_EQ(kind2Answer(row.q), row.answer) << row.q.a;
}

TEST(SurdAnswers, Kind3KeepsItsDenominatorPositive) {
    const struct {
        Kind3 q;
        Kind3Answer answer;
    } rows[] = {
        {{2, 3, 2}, {3, '+', 2, 7}},     // 1 / (3 - root 2) = (3 + root 2) / 7
        {{1, 1, 2}, {-1, '+', 2, 1}},    // 1 / (1 + root 2) = -1 + root 2
        {{1, 3, 11}, {-3, '+', 11, 2}},  // 1 / (3 + root 11) = (-3 + root 11) / 2
        {{2, 1, 3}, {-1, '-', 3, 2}},    // 1 / (1 - root 3) = (-1 - root 3) / 2
    };
    for (const auto& row : rows) EXPECT_EQ(kind3Answer(row.q), row.answer) << row.q.b;
}

TEST(SurdAnswers, Kind4MultipliesOutEachPairOfSigns) {
    const struct {
        Kind4 q;
        Kind4Answer answer;
    } rows[] = {
        {{1, 2, 8, 3}, {14, '+', 10, 2}},  // (2 + root 8)(3 + root 8) = 14 + 10 root 2
        {{2, 1, 3, 4}, {1, '+', 3, 3}},    // (1 + root 3)(4 - root 3)
        {{3, 1, 3, 4}, {1, '-', 3, 3}},    // (1 - root 3)(4 + root 3)
        {{4, 2, 2, 3}, {8, '-', 5, 2}},    // (2 - root 2)(3 - root 2)
    };
    for (const auto& row : rows) EXPECT_EQ(kind4Answer(row.q), row.answer) << row.q.questionCase;
}

}  // namespace
