// The cut cell's digit count found by bisection gives the very text the search from 14 digits
// down gave, for values of every size and sign, in both forms, at every width of a cell.

#include "kinematics/NumberText.h"
#include "views/CellText.h"
#include "views/FormFont.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

// The search the table used before: every count from 14 down until one fits (the choice of
// form between the counts found is the table's own).
QString LinearFit(double value, const QString& full, const QFontMetrics& metrics, int width)
{
    if (full.isEmpty() || metrics.horizontalAdvance(full) <= width || !std::isfinite(value))
        return full;
    const auto longest = [&](bool exponent) {
        for (int digits = 14; digits >= 1; --digits) {
            const QString text = SignificantText(value, digits, exponent);
            if (metrics.horizontalAdvance(text) <= width)
                return std::make_pair(digits, text);
        }
        return std::make_pair(0, QString());
    };
    return ChooseCellText(full, metrics, width, longest);
}

TEST(CellTextSearch, BisectionFindsTheSameTextAsTheSearchFromTheTop)
{
    const QFontMetrics metrics(FormFont(11, true));
    std::mt19937_64 random(23);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-20, 20);
    std::vector<double> values = {0.0707106781186548, -1.83697019872103E-17, 99999.99999999, 9.9999999999999,
                                  123456.789012345, -0.000627, 1E15 - 1, 0.00099999999, 987654321098.765};
    for (int i = 0; i < 200; ++i)
        values.push_back((i % 2 ? -1 : 1) * mantissa(random) * std::pow(10.0, exponent(random)));
    int cut = 0;
    for (const double value : values) {
        const QString full = QString::fromStdString(FormatGeneral(value));
        for (int width = 4; width <= 90; width += 2) {
            const QString linear = LinearFit(value, full, metrics, width);
            cut += linear != full ? 1 : 0;
            ASSERT_EQ(FittedCellText(value, full, metrics, width).toStdString(), linear.toStdString())
                << FormatGeneral(value) << " in " << width << " px";
        }
    }
    EXPECT_GT(cut, 4000) << "most of these cells are cut";
}

}  // namespace
