#pragma once
// The positions of a finished calculation as the worked solution and the answer check read them:
// the table's solve (the positions k of the results table) or the diagrams' solve (the position
// the drawing tab shows), with the forces of the result's loads when they were computed.

#include "kinematics/AnswerCheck.h"
#include "kinematics/Calculation.h"
#include "kinematics/WorkedSolution.h"

enum class ResultSolve { Table, Diagrams };

// The table's values for the checks; the forces only when the result computed them.
SolvedTable SolvedTableOf(const CalculationResult& result);

// The worked solution of position k of `solve`. Throws OrvekError with the part's fault when the
// solve has no accelerations, with PositionOutsideTableText when k is not one of its positions,
// FloatingPointError where the arithmetic faults.
WorkedSolution WorkResultPosition(const CalculationResult& result, ResultSolve solve, int k,
                                  const PlanSizes& sizes = {});

// The checks of `answers` against the table's exact values.
std::vector<AnswerVerdict> CheckResultAnswers(const CalculationResult& result,
                                              const std::vector<StudentAnswer>& answers,
                                              double tolerancePercent);
