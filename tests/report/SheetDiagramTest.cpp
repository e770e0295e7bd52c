// A sheet's diagram against φ: the values' labels stand where the stated factor puts their values,
// at round steps, within the axis; a diagram of nothing draws no labels.

#include "report/SheetPictures.h"

#include "kinematics/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

constexpr double kText = 3.5;

struct Labels {
    std::map<double, double> heights;  // value -> the label's middle, mm
    int ticks = 0;                     // short horizontal lines at the values' axis
};

Labels ValueLabels(const SheetDrawing& sheet, double axisX)
{
    Labels labels;
    for (const SheetItem& item : sheet.Items()) {
        if (const auto* t = std::get_if<SheetText>(&item)) {
            const auto value = ParseDecimal(t->text.toStdString());
            if (t->align == TextAlign::Right && std::fabs(t->at.x - (axisX - 0.5 * kText)) < 1e-9 && value)
                labels.heights[*value] = t->at.y + t->height / 2;
        } else if (const auto* l = std::get_if<SheetLine>(&item)) {
            if (l->from.y == l->to.y && std::fabs(l->from.x - (axisX - 0.3 * kText)) < 1e-9)
                ++labels.ticks;
        }
    }
    return labels;
}

TEST(SheetDiagram, ValueLabelsStandWhereTheFactorPutsThemAtRoundSteps)
{
    PlotCurve curve;
    for (int d = 0; d <= 360; d += 2) {
        curve.degrees.push_back(d);
        curve.values.push_back(0.3 * std::sin(d * M_PI / 180) - 0.05);
    }
    SheetDrawing sheet(300, 200);
    const SheetField field{10, 10, 280, 120};
    const auto mu = DrawDiagram(sheet, field, {curve}, QStringLiteral("vE"), QStringLiteral("м/с"), kText);
    ASSERT_TRUE(mu);
    const double axisX = field.x + 4 * kText;
    const Labels labels = ValueLabels(sheet, axisX);
    ASSERT_TRUE(labels.heights.count(0));
    const double zero = labels.heights.at(0);
    EXPECT_GE(labels.heights.size(), 4u);
    EXPECT_EQ(labels.ticks, static_cast<int>(labels.heights.size()));
    EXPECT_LT(labels.heights.begin()->first, 0) << "labels below the φ axis too";
    const double step = std::next(labels.heights.begin())->first - labels.heights.begin()->first;
    for (const auto& [value, height] : labels.heights) {
        EXPECT_NEAR(height - zero, value / *mu, 1e-9) << value;
        EXPECT_NEAR(std::remainder(value, step), 0, 1e-12) << value;
        EXPECT_GE(height, field.y + 3.5 * kText - 1e-9);
        EXPECT_LE(height, field.Top() - 2.5 * kText + 1e-9) << "under the quantity's name";
    }
    // The step is a round value: its spacing on paper is a whole number of millimetres.
    EXPECT_NEAR(std::remainder(step / *mu, 5), 0, 1e-9);

    SheetDrawing empty(300, 200);
    PlotCurve zeros{{0, 360}, {0, 0}};
    EXPECT_FALSE(DrawDiagram(empty, field, {zeros}, QStringLiteral("sE"), QStringLiteral("м"), kText));
    EXPECT_TRUE(ValueLabels(empty, axisX).heights.empty());
}

}  // namespace
