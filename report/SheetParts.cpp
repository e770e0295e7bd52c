#include "report/SheetParts.h"

#include "kinematics/NumberText.h"
#include "views/AccelerationPlanDrawing.h"

#include <algorithm>

#include <QCoreApplication>

namespace {

QString Metres(const char* name, double x)
{
    return QString::fromLatin1(name) + QStringLiteral(" = ") + SheetNumber(x);
}

}  // namespace

QString SheetNumber(double x)
{
    return QString::fromStdString(FormatGeneral(x));
}

TitleBlock SheetTitle(const CalculationResult& result, const SheetOptions& options, const QString& subject,
                      int sheet, int sheets, const QStringList& scales)
{
    const Mechanism& m = result.Kinematics().solved;
    TitleBlock block;
    block.work = QCoreApplication::translate("Report", kSheetWorkTitle);
    block.sheetTitle = subject;
    const QString lengths = Metres("Loa", m.Loa) + u' ' + Metres("Lab", m.Lab) + u' ' + Metres("Lbc", m.Lbc) + u' '
                            + Metres("Lde", m.Lde) + u' ' + Metres("Loc", m.Loc) + QCoreApplication::translate("Report", " м");
    block.variant = (options.variant.isEmpty() ? QString() : QCoreApplication::translate("Report", "Вариант ") + options.variant + u'\n')
                    + lengths + QStringLiteral("\nω1 = ") + SheetNumber(result.input.loads.Omega1)
                    + QCoreApplication::translate("Report", " рад/с");
    block.scales = scales;
    block.people = options.people;
    block.sheet = sheet;
    block.sheets = sheets;
    block.date = (options.date.isValid() ? options.date : QDate::currentDate()).toString(QStringLiteral("dd.MM.yyyy"));
    return block;
}

PlanPicture VelocityPlanOf(const CalculationResult& result, const SchemePosition& position)
{
    const PositionArrays& a = position.solve->positions;
    const std::size_t i = position.row;
    const double w = result.input.loads.Omega1;
    PlanPicture plan;
    const int p = plan.Add(QStringLiteral("p"), 0, 0);
    const int pa = plan.Add(QStringLiteral("a"), a.PlanXa[i] * w, a.PlanYa[i] * w);
    const int pb = plan.Add(QStringLiteral("b"), a.PlanXb[i] * w, a.PlanYb[i] * w);
    const int pd = plan.Add(QStringLiteral("d"), a.PlanXd[i] * w, a.PlanYd[i] * w);
    const int pe = plan.Add(QStringLiteral("e"), a.PlanXe[i] * w, a.PlanYe[i] * w);
    plan.Join(p, pa);
    plan.Join(p, pb);
    plan.Join(p, pd);
    plan.Join(p, pe);
    plan.Join(pa, pb, false, SheetLayer::Thin);
    plan.Join(pd, pe, false, SheetLayer::Thin);
    return plan;
}

PlanPicture AccelerationPlanOf(const CalculationResult& result, const SchemePosition& position)
{
    const AccelerationPlan a =
        AccelerationPlanAt(position.solve->accelerations, position.row, result.input.loads.Omega1);
    const PlanVector n1 = a.a + a.nBA;
    const PlanVector n2 = a.nBC;
    const PlanVector n3 = a.d + a.nED;
    PlanPicture plan;
    const int p = plan.Add(QStringLiteral("π"), 0, 0);
    const int pa = plan.Add(QStringLiteral("a"), a.a.x, a.a.y);
    const int pb = plan.Add(QStringLiteral("b"), a.b.x, a.b.y);
    const int pd = plan.Add(QStringLiteral("d"), a.d.x, a.d.y);
    const int pe = plan.Add(QStringLiteral("e"), a.e.x, a.e.y);
    const int p1 = plan.Add(QStringLiteral("n1"), n1.x, n1.y);
    const int p2 = plan.Add(QStringLiteral("n2"), n2.x, n2.y);
    const int p3 = plan.Add(QStringLiteral("n3"), n3.x, n3.y);
    plan.Join(pa, p1, true, SheetLayer::Thin);
    plan.Join(p1, pb, true, SheetLayer::Thin);
    plan.Join(p, p2, true, SheetLayer::Thin);
    plan.Join(p2, pb, true, SheetLayer::Thin);
    plan.Join(pd, p3, true, SheetLayer::Thin);
    plan.Join(p3, pe, true, SheetLayer::Thin);
    plan.Join(p, pa);
    plan.Join(p, pb);
    plan.Join(p, pd);
    plan.Join(p, pe);
    return plan;
}

SheetField SheetWorkArea(SheetFormat format)
{
    SheetField area = Inset(FrameInside(format), 2);
    // Where the title block takes nearly the whole width (A4 upright), the pictures stay above it.
    constexpr double kNarrowestSide = 60;
    if (area.width - kTitleBlockWidth < kNarrowestSide) {
        area.y += kTitleBlockHeight;
        area.height -= kTitleBlockHeight;
    }
    return area;
}
