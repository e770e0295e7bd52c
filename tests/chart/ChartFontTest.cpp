// The chart's fonts: the measures they keep follow every change of the font, and the text they
// draw is the painter's own text, pixel for pixel.

#include "chart/ChartFont.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

TEST(ChartFont, KeptWidthsFollowEveryChangeOfTheFont)
{
    TChartFont font;
    const QStringList texts = {QStringLiteral("0,25"), QStringLiteral("-1\u00A0000"),
                               QStringLiteral("Скорости"), QStringLiteral("W")};
    const auto expectFresh = [&](const char* what) {
        const QFontMetrics fresh(font.ToQFont());
        EXPECT_EQ(font.Metrics().height(), fresh.height()) << what;
        for (const QString& text : texts) {
            // Asked twice: the second answer is the kept one.
            EXPECT_EQ(font.TextWidth(text), fresh.horizontalAdvance(text)) << what;
            EXPECT_EQ(font.TextWidth(text), fresh.horizontalAdvance(text)) << what;
        }
    };
    expectFresh("default");
    const int narrow = font.TextWidth(QStringLiteral("Скорости"));
    font.SetHeight(-23);
    expectFresh("height");
    EXPECT_GT(font.TextWidth(QStringLiteral("Скорости")), narrow);
    font.SetBold(true);
    expectFresh("bold");
    font.SetItalic(true);
    expectFresh("italic");
    font.SetName(QStringLiteral("DejaVu Serif"));
    expectFresh("name");
}

TEST(ChartFont, DrawnTextIsThePaintersTextAtTheSameBaseline)
{
    TChartFont font;
    TChartFont title;
    title.SetHeight(-12);
    title.SetBold(true);
    const QStringList texts = {QStringLiteral("6"), QStringLiteral("-0,5"),
                               QStringLiteral("Диагрнамма скоростей т. Е"),
                               QStringLiteral("2\u00A0500,125")};
    for (const TChartFont* f : {&font, &title}) {
        for (const QString& text : texts) {
            for (const QPoint& at : {QPoint(3, 4), QPoint(20, 31), QPoint(-2, 11)}) {
                // On a picture, moved by whole pixels too; and once more after the text was kept.
                for (int move = 0; move < 3; ++move) {
                    QImage expected(260, 60, QImage::Format_RGB32);
                    expected.fill(Qt::white);
                    QImage drawn = expected;
                    const auto paint = [&](QImage& image, bool own) {
                        QPainter painter(&image);
                        painter.setFont(f->ToQFont());
                        painter.setPen(Qt::blue);
                        painter.translate(move, 2 * move);
                        if (own)
                            f->DrawText(painter, at.x(), at.y(), text);
                        else
                            painter.drawText(at.x(), at.y() + QFontMetrics(f->ToQFont()).ascent(),
                                             text);
                    };
                    paint(expected, false);
                    paint(drawn, true);
                    EXPECT_EQ(drawn, expected) << text.toStdString() << " at " << at.x() << ","
                                               << at.y() << " moved " << move;
                }
            }
        }
    }
}
