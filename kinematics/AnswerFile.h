#pragma once
// The answers file of a hand solution: UTF-8 text (a byte-order mark allowed), the header line
// "Положение;Величина;Значение", then one answer a line: the table position k, the quantity's
// name, the value with the decimal comma or point. Fields are separated by ";"; line ends are
// CRLF, LF or CR; blank lines are skipped; a field in double quotes loses them. A file whose
// first line already is an answer (its first field a whole number) is read without a header.
//
// The names and positions are judged later, by CheckAnswer, against the calculation.

#include "kinematics/AnswerCheck.h"

#include <string>
#include <vector>

inline constexpr const char* kAnswersHeader = "Положение;Величина;Значение";

struct ParsedAnswers {
    std::vector<StudentAnswer> answers;  // each with its line number
    std::vector<std::string> errors;     // "строка 3: значение «0,5 м/с» — не число", in line order
};

// Reads the file's bytes. Never throws for any content.
ParsedAnswers ParseAnswersText(const std::string& bytes);
