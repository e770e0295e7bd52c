// A chart painted, mapped, zoomed and scrolled with arbitrary data: points (NaN, infinities,
// subnormals and huge values included), chart size, zoom rectangles and scroll drags. Painting,
// value <-> pixel mapping, SetMinMax and the label arithmetic behind them must end (a hang is a
// finding) and keep every pixel a checked conversion.
//
// Input: width, height (uint8 each, + 40), point count (uint8 % 16), that many (x, y) doubles,
// then operations of 5 bytes: kind, x0, y0, x1, y1 (zoom, undo, scroll drag, mapping).

#include "FuzzInput.h"
#include "fuzz_chart_locale.h"

#include "chart/Chart.h"
#include "chart/ChartAxis.h"
#include "chart/FastLineSeries.h"

#include <QApplication>
#include <QMouseEvent>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {
QApplication* app = nullptr;

void Send(TChart& chart, QEvent::Type type, Qt::MouseButton button, int x, int y)
{
    const QPointF pos(x, y);
    QMouseEvent event(type, pos, chart.mapToGlobal(pos), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(&chart, &event);
}
}  // namespace

// The system's font configuration keeps one pattern for the life of the process; it is not ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    app = new QApplication(*argc, *argv);
    UseCommaLocale();  // after QApplication, which sets the locale from the environment
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput in(data, size);
    std::uint8_t w = 0;
    std::uint8_t h = 0;
    std::uint8_t count = 0;
    if (!in.Take(w) || !in.Take(h) || !in.Take(count))
        return 0;
    TChart chart;
    chart.resize(w + 40, h + 40);
    chart.Legend()->SetVisible(false);
    chart.SetView3D(false);
    auto* series = new TFastLineSeries(&chart);
    series->LinePen()->SetWidth(2);
    chart.AddSeries(series);
    for (int i = 0; i < count % 16; ++i) {
        double x = 0;
        double y = 0;
        if (!in.Take(x) || !in.Take(y))
            break;
        series->AddPoint(x, y);
    }
    chart.RenderImage();
    std::uint8_t op[5];
    for (int n = 0; n < 6 && in.Take(op); ++n) {
        const int x0 = op[1] % (w + 40);
        const int y0 = op[2] % (h + 40);
        const int x1 = op[3] % (w + 40);
        const int y1 = op[4] % (h + 40);
        switch (op[0] % 4) {
        case 0: chart.ZoomRect(x0, y0, x1, y1); break;
        case 1: chart.UndoZoom(); break;
        case 2:
            Send(chart, QEvent::MouseButtonPress, Qt::RightButton, x0, y0);
            Send(chart, QEvent::MouseMove, Qt::RightButton, x1, y1);
            Send(chart, QEvent::MouseButtonRelease, Qt::RightButton, x1, y1);
            break;
        default:
            for (TChartAxis* axis : {chart.BottomAxis(), chart.LeftAxis()}) {
                const double v = axis->PixelToValue(x0);
                axis->ValueToPixel(v);
                axis->SetMinMax(v, axis->PixelToValue(y1));
            }
            break;
        }
        chart.RenderImage();
        for (TChartAxis* axis : {chart.BottomAxis(), chart.LeftAxis()}) {
            if (axis->LabelValues().size() > 10000)
                std::abort();
        }
    }
    return 0;
}
