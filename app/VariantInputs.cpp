#include "app/VariantInputs.h"

#include "app/VariantCalculation.h"

#include <QStringList>

#include "kinematics/Angles.h"

namespace {

constexpr double kRadiansPerSecondPerRpm = kPi / 30;

}  // namespace

const std::array<VariantInput, 8> kVariantInputs = {{
    {"ω1", "ω1, рад/с", &CommandLineOptions::omega1, &kPositiveRule,
     [](CalculationInput& c, double v) { c.loads.Omega1 = v; }, [](const CalculationInput& c) { return c.loads.Omega1; }},
    {"n1", nullptr, &CommandLineOptions::n1, &kPositiveRule,
     [](CalculationInput& c, double v) { c.loads.Omega1 = v * kRadiansPerSecondPerRpm; }, nullptr},
    {"q", "q, кг/м", &CommandLineOptions::q, &kLoadRule, [](CalculationInput& c, double v) { c.loads.LinearMass = v; },
     [](const CalculationInput& c) { return c.loads.LinearMass; }},
    {"m5", "m5, кг", &CommandLineOptions::m5, &kLoadRule, [](CalculationInput& c, double v) { c.loads.SliderMass = v; },
     [](const CalculationInput& c) { return c.loads.SliderMass; }},
    {"Fс", "Fс, Н", &CommandLineOptions::fc, &kLoadRule, [](CalculationInput& c, double v) { c.loads.Resistance = v; },
     [](const CalculationInput& c) { return c.loads.Resistance; }},
    {"g", "g (1 — сила тяжести учтена)", &CommandLineOptions::gravity, &kSwitchRule,
     [](CalculationInput& c, double v) { c.loads.Gravity = v != 0; },
     [](const CalculationInput& c) { return c.loads.Gravity ? 1.0 : 0.0; }},
    {"Подбор", "Подбор (1 — Lbc по исследованию)", nullptr, &kSwitchRule,
     [](CalculationInput& c, double v) { c.options.adoptLbc = v != 0; },
     [](const CalculationInput& c) { return c.options.adoptLbc ? 1.0 : 0.0; }},
    // The summary has the dynamics' own δ cell beside Mд and Jм.
    {"δ", nullptr, &CommandLineOptions::delta, &kDeltaRule, [](CalculationInput& c, double v) { c.delta = v; }, nullptr},
}};

CalculationInput DefaultCalculationInput(const Mechanism& record)
{
    CalculationInput input;
    input.typed = record;
    return input;
}

QString ApplyVariantInput(const VariantInput& input, const QString& text, CalculationInput& calculation)
{
    const InputVerdict verdict = JudgeInput(text.trimmed().toStdString(), *input.rule, 0);
    if (!verdict.Accepted())
        return QStringLiteral("%1: %2").arg(QString::fromUtf8(input.column),
                                             QString::fromUtf8(InputMessageText(verdict.messages.front())));
    input.apply(calculation, verdict.value);
    return QString();
}

QString ApplyCommandLineInputs(const CommandLineOptions& options, CalculationInput& calculation)
{
    if (options.keepLbc)
        calculation.options.adoptLbc = false;
    if (options.omega1 && options.n1)
        return QStringLiteral("Скорость кривошипа задаётся одним из --omega1 и --n1.");
    for (const VariantInput& input : kVariantInputs) {
        if (!input.option || !(options.*input.option))
            continue;
        const QString& text = *(options.*input.option);
        if (const QString problem = ApplyVariantInput(input, text, calculation); !problem.isEmpty())
            return problem + QStringLiteral(" («%1»)").arg(text);
    }
    return QString();
}

QStringList UsedInputCells(const CalculationInput& calculation)
{
    QStringList cells;
    for (const VariantInput& input : kVariantInputs) {
        if (input.used)
            cells << NumberText(input.used(calculation));
    }
    return cells;
}

QStringList UsedInputHeaders()
{
    QStringList headers;
    for (const VariantInput& input : kVariantInputs) {
        if (input.used)
            headers << QString::fromUtf8(input.summary);
    }
    return headers;
}
