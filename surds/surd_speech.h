#pragma once
#include <string>

#include "surds/surd_questions.h"

// How a question and its worked answer read aloud: "5 over root 13", "5 root 13 over 13".
namespace surd {

std::string spokenQuestion(const Question& q);
// Empty for the puzzles, which have no worked answer.
std::string spokenAnswer(const Question& q);

}  // namespace surd
