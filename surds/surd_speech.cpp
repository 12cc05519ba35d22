#include "surds/surd_speech.h"

#include "surds/surd_answers.h"

namespace surd {

namespace {

std::string said(int v) { return v < 0 ? "minus " + std::to_string(-v) : std::to_string(v); }
std::string said(char sign) { return sign == '+' ? " plus " : " minus "; }
std::string root(int radicand) { return "root " + std::to_string(radicand); }
// A coefficient of 1 is not written, so it is not said.
std::string times(int coefficient, int radicand) {
    return coefficient == 1 ? root(radicand) : said(coefficient) + " " + root(radicand);
}
std::string over(const std::string& top, int denominator) {
    return denominator == 1 ? top : top + " over " + said(denominator);
}
std::string bracket(const std::string& s) { return "(" + s + ")"; }

template <class... F>
struct Overloads : F... {
    using F::operator()...;
};
template <class... F>
Overloads(F...) -> Overloads<F...>;

}  // namespace

std::string spokenQuestion(const Question& question) {
    return std::visit(
        Overloads{[](const Kind1& q) { return root(q.radicand()); },
                  [](const Kind2& q) { return said(q.a) + " over " + root(q.p()); },
                  [](const Kind3& q) {
                      return "1 over " + bracket(said(q.a) + said(q.sign()) + root(q.b));
                  },
                  [](const Kind4& q) {
                      return bracket(said(q.a) + said(q.firstSign()) + root(q.b)) + " times " +
                             bracket(said(q.e) + said(q.secondSign()) + root(q.b));
                  },
                  [](const Kind5& q) {
                      return "Find an irrational number between " + said(q.m) + " and " +
                             said(q.x) + ", and between " + root(q.k) + " and " + root(q.y);
                  }},
        question);
}

std::string spokenAnswer(const Question& question) {
    return std::visit(
        Overloads{[](const Kind1& q) { return times(q.n, q.p()); },
                  [](const Kind2& q) {
                      const Kind2Answer a = kind2Answer(q);
                      return over(times(a.coefficient, a.radicand), a.denominator);
                  },
                  [](const Kind3& q) {
                      const Kind3Answer a = kind3Answer(q);
                      const std::string top = said(a.rational) + said(a.sign) + root(a.radicand);
                      return a.denominator == 1 ? top : over(bracket(top), a.denominator);
                  },
                  [](const Kind4& q) {
                      const Kind4Answer a = kind4Answer(q);
                      return said(a.rational) + said(a.sign) + said(a.coefficient) + " " +
                             root(a.radicand);
                  },
                  [](const Kind5&) { return std::string(); }},
        question);
}

}  // namespace surd
