#pragma once
// Shared pieces of the analysis tab tests: solved mechanisms, the tabs in a shown window with a
// second field to leave to, and readers of the labels and tables they fill.

#include "app/AccelerationsTab.h"
#include "app/FieldExitRule.h"
#include "app/ForcesTab.h"
#include "app/ResultPublisher.h"
#include "app/TabTable.h"
#include "kinematics/Calculation.h"
#include "kinematics/Mechanism.h"
#include "kinematics/NumberText.h"
#include "kinematics/Solver.h"
#include "support/FormProbe.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

#include <initializer_list>
#include <optional>

constexpr int kDiagramPositions = 180;

// The defaults with the rocker the study adopts for them.
inline Mechanism AdoptedDefaults()
{
    Mechanism m;
    SetDefaultParameters(m);
    m.Lbc = 0.9;
    return m;
}

struct Solved {
    Mechanism m;
    SolverState s;
    int count = 0;
};

inline Solved Solve(Mechanism m, int n)
{
    m.PositionCount = n;
    Solved solved{m, SolverState{}, 0};
    solved.count = SolveMechanism(solved.m, solved.s).positionsDone;
    return solved;
}

// The result of a Calculate of `m` as it stands, without the study's choice of the rocker: the
// solves of the table (at n) and of the diagrams, their accelerations, the characteristics and
// the forces for `loads`.
inline CalculationResult ResultOf(Mechanism m, int n, const ForceParameters& loads = {})
{
    m.PositionCount = n;
    SetDerivedLengths(m);
    CalculationResult result;
    result.input.typed = m;
    result.input.loads = loads;
    auto k = std::make_shared<KinematicsResult>();
    k->solved = m;
    k->scanLbc = m.Lbc;
    k->table = SolvePositions(m);
    Mechanism diagrams = m;
    diagrams.PositionCount = kDiagramPositions;
    k->diagrams = SolvePositions(diagrams);
    k->characteristics = ComputeCharacteristics(m);
    result.forces = AnalyseForces(*k, loads);
    result.kinematics = std::move(k);
    return result;
}

// Lays out `other`, the field to move to, above `tabs` in `window`, gives it `size` and shows it.
inline void ShowTabs(QWidget& window, QLineEdit* other, std::initializer_list<QWidget*> tabs, QSize size)
{
    auto* layout = new QVBoxLayout(&window);
    other->setObjectName(QStringLiteral("OtherField"));
    layout->addWidget(other);
    for (QWidget* tab : tabs)
        layout->addWidget(tab);
    window.resize(size);
    ShowActive(window);
}

// The window analysis tabs live in, as the main window holds them: a field to move to, the rule
// for leaving fields, the published result, and readers of what the tabs show. The tabs come
// after these, in the order they are made.
struct TabWindowParts {
    template <class T>
    T* Find(const char* name) { return FindComponent<T>(window, name); }

    QString Text(const char* label) { return Find<QLabel>(label)->text(); }

    // Types into the field and leaves it with Tab, as a user does.
    void Enter(const char* field, const QString& text) { EnterField(window, field, text); }

    QWidget window;
    QLineEdit* other = new QLineEdit(&window);
    FieldExitRule* fields = new FieldExitRule(&window);
    ResultPublisher* results = new ResultPublisher(&window);
};

// A shown window with both tabs and their result, and a field to move to.
struct TabsWindow : TabWindowParts {
    TabsWindow() { ShowTabs(window, other, {accelerations, forces}, QSize(720, 900)); }

    // What the main window does after Calculate: the drawn position, then the result published.
    void Calculate(const Mechanism& m, int n, int selected)
    {
        Select(selected);
        results->Publish(ResultOf(m, n, results->Loads()));
    }

    // The drawing tab shows another position.
    void Select(int selected)
    {
        accelerations->SelectPosition(selected);
        forces->SelectPosition(selected);
    }

    AccelerationsTab* accelerations = new AccelerationsTab(results, fields, &window);
    ForcesTab* forces = new ForcesTab(results, fields, &window);
};

// The number a value label shows before its unit.
inline std::optional<double> LabelNumber(const QString& text, const QString& unit)
{
    if (!text.endsWith(unit))
        return std::nullopt;
    return ParseDecimal(text.left(text.size() - unit.size()).toStdString());
}

inline int NonWhitePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != 0xFFFFFFFFu)
                ++count;
    return count;
}
