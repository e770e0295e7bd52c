// Sheet 3: the dynamics: Jпр, Mпр, the works, ΔT and ω1 over the cycle, and the flywheel.

#include "report/SheetParts.h"

#include "kinematics/Dynamics.h"
#include "kinematics/NumberText.h"

#include <cmath>

#include <QCoreApplication>

namespace {

PlotCurve Curve(const DynamicsResult& d, const std::vector<double>& values, SheetLayer layer = SheetLayer::Contour)
{
    PlotCurve c;
    c.layer = layer;
    for (std::size_t i = 0; i < d.Phi.size() && i < values.size(); ++i) {
        c.degrees.push_back(d.Phi[i] * 180 / M_PI);
        c.values.push_back(values[i]);
    }
    return c;
}

// The result's own dynamics, for its loads and δ; none where they were not computed.
std::optional<DynamicsResult> DynamicsOf(const CalculationResult& r)
{
    if (!r.dynamics.Computed())
        return std::nullopt;
    return r.dynamics.curves;
}

// `digits` significant digits, the sign kept.
QString Value(double x, int digits)
{
    return QString::fromStdString(FormatSignificant(x, digits));
}

}  // namespace

std::optional<SheetDrawing> DynamicsSheet(const CalculationResult& r, const SheetOptions& options)
{
    const std::optional<DynamicsResult> dynamics = DynamicsOf(r);
    if (!dynamics)
        return std::nullopt;
    const DynamicsResult& d = *dynamics;
    const double text = SheetTextHeight(options.format);
    const SheetField work = SheetWorkArea(options.format);
    SheetDrawing sheet = StartSheet(options.format);
    QStringList scales;

    const struct {
        std::vector<PlotCurve> curves;
        const char* symbol;
        const char* unit;
        const char* caption;
    } plots[] = {
        {{Curve(d, d.Jpr)}, QT_TRANSLATE_NOOP("Report", "Jпр"), QT_TRANSLATE_NOOP("Report", "кг·м²"), QT_TRANSLATE_NOOP("Report", "Приведённый момент инерции")},
        {{Curve(d, d.Mpr)}, QT_TRANSLATE_NOOP("Report", "Mпр"), QT_TRANSLATE_NOOP("Report", "Н·м"), QT_TRANSLATE_NOOP("Report", "Приведённый момент сил")},
        {{Curve(d, d.Ad), Curve(d, d.Ac, SheetLayer::Thin)}, "A", QT_TRANSLATE_NOOP("Report", "Дж"), QT_TRANSLATE_NOOP("Report", "Работы: движущих сил (основная), сопротивления (тонкая)")},
        {{Curve(d, d.DeltaT)}, "ΔT", QT_TRANSLATE_NOOP("Report", "Дж"), QT_TRANSLATE_NOOP("Report", "Приращение кинетической энергии")},
        {{Curve(d, d.Omega)}, "ω1", QT_TRANSLATE_NOOP("Report", "рад/с"), QT_TRANSLATE_NOOP("Report", "Угловая скорость кривошипа с маховиком")},
    };
    // Two columns of diagrams; the right column's lowest place is the title block's and the
    // flywheel's figures.
    const double columnW = (work.width - text) / 2;
    const double rowH = work.height / 3;
    const SheetField places[] = {
        {work.x, work.y + 2 * rowH, columnW, rowH},          {work.x, work.y + rowH, columnW, rowH},
        {work.x, work.y, columnW, rowH},                      {work.x + columnW + text, work.y + 2 * rowH, columnW, rowH},
        {work.x + columnW + text, work.y + rowH, columnW, rowH},
    };
    for (std::size_t i = 0; i < std::size(plots); ++i) {
        const SheetField f = Inset(places[i], text);
        const QString symbol = QCoreApplication::translate("Report", plots[i].symbol);
        const QString unit = QCoreApplication::translate("Report", plots[i].unit);
        if (const auto mu = DrawDiagram(sheet, f, plots[i].curves, symbol, unit, text))
            scales << FactorText(symbol, *mu, unit);
        sheet.Text({f.Centre().x, f.Top() + 0.3 * text}, text * 0.8, QCoreApplication::translate("Report", plots[i].caption),
                   TextAlign::Centre);
    }

    // The flywheel's figures above the title block.
    const SheetField figures{work.Right() - kTitleBlockWidth, work.y + kTitleBlockHeight + text, kTitleBlockWidth,
                             rowH - kTitleBlockHeight - 2 * text};
    const QStringList lines = {
        QCoreApplication::translate("Report", "Коэффициент неравномерности δ = ") + Value(d.Delta, 4),
        QCoreApplication::translate("Report", "ωср = ") + Value(d.OmegaMean, 4) + QCoreApplication::translate("Report", " рад/с;  Mд = ") + Value(d.DrivingTorque, 3)
            + QCoreApplication::translate("Report", " Н·м"),
        QStringLiteral("ΔTmax − ΔTmin = ") + Value(d.DeltaTRange, 3) + QCoreApplication::translate("Report", " Дж"),
        QCoreApplication::translate("Report", "Jм (точно) = ") + Value(d.Exact.Jm, 4) + QCoreApplication::translate("Report", " кг·м²"),
        QCoreApplication::translate("Report", "Jм (Виттенбауэр) = ") + Value(d.Wittenbauer.Jm, 4) + QCoreApplication::translate("Report", " кг·м²"),
        QCoreApplication::translate("Report", "Jм (упрощённо) = ") + Value(d.JmSimple, 4) + QCoreApplication::translate("Report", " кг·м²"),
        QCoreApplication::translate("Report", "Диск: D = ") + Value(d.Disc.Diameter, 3) + QCoreApplication::translate("Report", " м, b = ") + Value(d.Disc.Width, 3)
            + QCoreApplication::translate("Report", " м, m = ") + Value(d.Disc.Mass, 1) + QCoreApplication::translate("Report", " кг"),
        QCoreApplication::translate("Report", "Обод: D = ") + Value(d.Rim.Diameter, 3) + QCoreApplication::translate("Report", " м, m = ") + Value(d.Rim.Mass, 1)
            + QCoreApplication::translate("Report", " кг"),
        QStringLiteral("ω1: ") + Value(d.OmegaMin.Value, 4) + QStringLiteral(" … ") + Value(d.OmegaMax.Value, 4)
            + QCoreApplication::translate("Report", " рад/с, δ достигнутый = ") + Value(d.DeltaAchieved, 4),
    };
    // On a sheet too small for them the figures stay off it, clear of the title block.
    const double line = std::min(1.8 * text, figures.height / static_cast<double>(lines.size() + 1));
    if (line >= 1.5) {
        double y = figures.Top() - line;
        sheet.Text({figures.x, y}, std::min(text, line / 1.6), QCoreApplication::translate("Report", "Маховик"));
        for (const QString& l : lines) {
            y -= line;
            sheet.Text({figures.x, y}, std::min(text, line / 1.6) * 0.8, l);
        }
    }
    DrawTitleBlock(sheet, options.format, SheetTitle(r, options, QCoreApplication::translate("Report", "Динамический анализ"), 3, SheetCount(r), scales));
    return sheet;
}
