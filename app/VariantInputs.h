#pragma once
// What a variant may carry beside its lengths and N: the crank's speed, the loads and whether the
// study's Lbc is adopted. One row each, read from an option of the command line or an optional
// column of the batch's table, judged by the window's rule for the field it stands for.

#include "app/CommandLineOptions.h"
#include "kinematics/Calculation.h"
#include "kinematics/InputRule.h"

#include <QString>

#include <array>
#include <optional>

struct VariantInput {
    const char* column;   // the batch table's header and the name in messages: "ω1"
    const char* summary;  // the summary's header of the value used: "ω1, рад/с"
    std::optional<QString> CommandLineOptions::*option;  // the option's text; null: no option
    const InputRule* rule;
    void (*apply)(CalculationInput& input, double value);
    double (*used)(const CalculationInput& input);  // the value a calculation used, for the summary
};

// ω1, n1, q, m5, Fс, g, Подбор, δ. ω1 and n1 are two ways to give the one crank speed.
extern const std::array<VariantInput, 8> kVariantInputs;

// The calculation's input before any of the rows above: the defaults, the given record.
CalculationInput DefaultCalculationInput(const Mechanism& record);

// Judges `text` by `input`'s rule and applies the value; empty when accepted, else the message
// naming the field ("ω1: Ноль недопустим!").
QString ApplyVariantInput(const VariantInput& input, const QString& text, CalculationInput& calculation);

// Applies every option the command line gave (and --keep-lbc); the first refusal with the text
// refused ("ω1: Ноль недопустим! («0»)"), or empty.
QString ApplyCommandLineInputs(const CommandLineOptions& options, CalculationInput& calculation);

// The summary's cells of the values `calculation` used, in the order of kVariantInputs but n1
// (the speed is ω1's cell) and δ (the dynamics' cell).
QStringList UsedInputCells(const CalculationInput& calculation);
QStringList UsedInputHeaders();
