// Our chart beside a peer plotting library (QCustomPlot 2.1 from Debian, adaptive sampling on),
// in one process: the same noisy data at the same size with the same red pen 2 pixels wide, both
// charts shown as windows, and one full repaint of each in turn (the order swapping every round),
// so that a busy machine weighs on both alike. Each repaint is what a change of data costs the
// user: the whole picture drawn again and copied onto the window. The CPU time of every repaint
// is taken on its own; the medians and their ratio are printed per cell at the end.
//
// Built only where the peer is installed (`make bench` installs it); the program never links it.

#include "RunInApplication.h"
#include "NoisyChart.h"

#include "kinematics/NumberText.h"

#include <QApplication>
#include <QEvent>
#include <QVector>

#include <qcustomplot.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace {

// The program's colours and fonts, for the peer's picture to carry the same amount of work.
const QColor kPanelColor(0, 128, 192);  // 12615680 in the chart's 0x00BBGGRR
constexpr int kLabelPixels = 11;        // 8 points at 96 dots per inch
constexpr int kTitlePixels = 12;
constexpr int kPenWidth = 2;

double ProcessCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Counts the paints a widget really receives, so that a repaint that painted nothing is caught.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

std::unique_ptr<QCustomPlot> MakePeerChart(int width, int height, const NoisyData& data)
{
    auto plot = std::make_unique<QCustomPlot>();
    plot->resize(width, height);
    plot->setBackground(kPanelColor);
    // Our chart draws without antialiasing; the peer does the same work.
    plot->setNotAntialiasedElements(QCP::aeAll);
    QFont labels(QStringLiteral("Arial"));
    labels.setPixelSize(kLabelPixels);
    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(kTitlePixels);
    title.setBold(true);
    plot->plotLayout()->insertRow(0);
    auto* caption = new QCPTextElement(plot.get(), QStringLiteral("Диагрнамма скоростей т. Е"), title);
    caption->setTextColor(Qt::blue);
    plot->plotLayout()->addElement(0, 0, caption);
    for (QCPAxis* axis : {plot->xAxis, plot->yAxis}) {
        axis->setTickLabelFont(labels);
        axis->setLabelFont(labels);
    }
    plot->xAxis->setLabel(QStringLiteral("Угол"));
    plot->yAxis->setLabel(QStringLiteral("Скорости"));
    QCPGraph* graph = plot->addGraph();
    graph->setPen(QPen(Qt::red, kPenWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    graph->setAdaptiveSampling(true);
    graph->setData(QVector<double>(data.x.begin(), data.x.end()),
                   QVector<double>(data.y.begin(), data.y.end()), true);
    plot->rescaleAxes();
    return plot;
}

struct CellResult {
    std::string cell;
    double ours = 0;
    double peer = 0;
};
std::vector<CellResult> g_results;

void BM_SideBySide(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const int points = static_cast<int>(state.range(2));
    const NoisyData data = MakeNoisyData(points);
    std::unique_ptr<TChart> ours = MakeNoisyChart(width, height, data);
    std::unique_ptr<QCustomPlot> peer = MakePeerChart(width, height, data);
    PaintCounter oursPaints;
    PaintCounter peerPaints;
    ours->installEventFilter(&oursPaints);
    peer->installEventFilter(&peerPaints);
    ours->show();
    peer->show();
    QApplication::processEvents();
    if (ours->size() != QSize(width, height) || peer->size() != QSize(width, height)) {
        state.SkipWithError("a window did not keep the size of the cell");
        return;
    }

    const auto paintOurs = [&] {
        ours->Invalidate();
        ours->repaint();
    };
    const auto paintPeer = [&] { peer->replot(QCustomPlot::rpImmediateRefresh); };
    for (int i = 0; i < 3; ++i) {  // the value lists' statistics, caches and buffers settle
        paintOurs();
        paintPeer();
    }
    QApplication::processEvents();
    const int oursBefore = oursPaints.paints;
    const int peerBefore = peerPaints.paints;

    std::vector<double> oursMs;
    std::vector<double> peerMs;
    bool oursFirst = true;
    for (auto _ : state) {
        for (int side = 0; side < 2; ++side) {
            const bool isOurs = (side == 0) == oursFirst;
            const double start = ProcessCpuMs();
            if (isOurs)
                paintOurs();
            else
                paintPeer();
            (isOurs ? oursMs : peerMs).push_back(ProcessCpuMs() - start);
        }
        oursFirst = !oursFirst;
        state.PauseTiming();
        QApplication::processEvents();  // the update requests posted by the repaints
        state.ResumeTiming();
    }
    const int rounds = static_cast<int>(state.iterations());
    if (oursPaints.paints - oursBefore < rounds || peerPaints.paints - peerBefore < rounds) {
        state.SkipWithError("a repaint did not reach the window");
        return;
    }
    const double oursMedian = Median(oursMs);
    const double peerMedian = Median(peerMs);
    state.counters["ours_ms"] = oursMedian;
    state.counters["peer_ms"] = peerMedian;
    state.counters["ratio"] = peerMedian > 0 ? oursMedian / peerMedian : 0;
    g_results.push_back(CellResult{WholeNumberText(width) + " x " + WholeNumberText(height) + ", " +
                                       WholeNumberText(points) + " points",
                                   oursMedian, peerMedian});
}
// The cells and their rounds: a few seconds each, enough for stable medians on a shared machine.
struct Cell {
    int width, height, points, rounds;
};
[[maybe_unused]] const bool kCellsRegistered = [] {
    for (const Cell& c : {Cell{352, 225, 1471, 600}, Cell{352, 225, 100000, 400}, Cell{1200, 800, 1000000, 60},
                          Cell{1200, 800, 180, 400}})
        benchmark::RegisterBenchmark("BM_SideBySide", BM_SideBySide)
            ->ArgNames({"width", "height", "points"})
            ->Args({c.width, c.height, c.points})
            ->Iterations(c.rounds)
            ->Unit(benchmark::kMillisecond);
    return true;
}();

// Milliseconds to three decimals, in the program's number text (decimal comma).
std::string Ms(double value)
{
    return FormatGeneral(std::round(value * 1000) / 1000);
}

std::string Padded(const std::string& text, std::size_t width)
{
    return text.size() < width ? text + std::string(width - text.size(), ' ') : text;
}

void PrintSummary()
{
    std::string table = "\nCPU medians of one repaint (ms), ours beside the peer:\n";
    table += Padded("cell", 30) + Padded("ours", 10) + Padded("peer", 10) + "ratio\n";
    for (const CellResult& r : g_results) {
        table += Padded(r.cell, 30) + Padded(Ms(r.ours), 10) + Padded(Ms(r.peer), 10) +
                 (r.peer > 0 ? Ms(r.ours / r.peer) : std::string("-")) + "\n";
    }
    std::fputs(table.c_str(), stdout);
}

}  // namespace

int main(int argc, char** argv)
{
    const int status = RunInApplication(argc, argv);
    if (status == 0)
        PrintSummary();
    return status;
}
