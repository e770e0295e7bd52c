// Long runs through the real main window: a thousand Calculates of random valid mechanisms and
// ten thousand animation steps. Nothing may crash or trip a sanitizer, the charts may hold no more
// than one refresh's points, and the animation may not grow the resident memory.

#include "app/MainForm.h"
#include "support/FormProbe.h"
#include "support/RecordingMessages.h"
#include "support/TempWorkDir.h"

#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <iostream>
#include <map>
#include <random>

#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

constexpr int kCalculates = 1000;
constexpr int kAnimationSteps = 10000;
constexpr int kMemoryWindowSteps = 1000;
constexpr std::uint32_t kSeed = 20240607;

constexpr int kTypedEvery = 50;            // every 50th record is typed into the fields
constexpr int kPaintEvery = 10;            // let the window paint every 10th step
constexpr int kLastScrollPosition = 180;
constexpr int kDiagramPositions = 180;
constexpr int kStudyPoints = 310;
constexpr int kMaxPositions = 2000;

// The animation's resident memory may settle a little (caches, the allocator's pools), but a
// leak of one refresh's points or one bitmap per step would add tens of megabytes.
constexpr long kMemoryMarginBytes = 8L * 1024 * 1024;

const char* const kSeriesNames[] = {"Series1", "Series2", "Series3", "Series4", "Series5", "Series6", "Series7"};

[[maybe_unused]] long ResidentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    static const long pageSize = sysconf(_SC_PAGESIZE);
    return fields.size() > 1 ? fields[1].toLong() * pageSize : -1;
}

// Under AddressSanitizer freed blocks wait in a quarantine of up to 256 MB that fills over
// thousands of steps, so the resident size climbs without any leak; the allocator's count of the
// bytes still allocated is the measure there.
long MemoryInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return static_cast<long>(__sanitizer_get_current_allocated_bytes());
#else
    return ResidentBytes();
#endif
}

// Lengths in whole millimetres, as a user types them.
struct RandomRecord {
    int loa, lab, lbc, lde, loc, n;
};

// A crank-rocker whose crank turns fully at the typed rocker length (Lab between the two
// bounds that keep triangle ABC closed at 0 and 180 degrees), with a slider link long enough to
// reach its guide; the study then varies the rocker on its own.
RandomRecord MakeRandomRecord(std::mt19937& rng)
{
    auto uniform = [&rng](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    RandomRecord r{};
    r.loa = uniform(20, 250);
    r.loc = uniform(500, 1500);
    r.lbc = uniform(511, 900);  // (0.51, 0.9]
    const int lowLab = std::max({r.loc + r.loa - r.lbc, r.lbc - (r.loc - r.loa), 50});
    const int highLab = std::max(r.lbc + (r.loc - r.loa), lowLab);
    r.lab = uniform(lowLab, highLab);
    r.lde = uniform(r.loc / 2 + r.lab, r.loc / 2 + r.lab + 1000);
    // Log-uniform over 1 .. 2000: small tables most of the time, the largest now and then.
    const double logN = std::uniform_real_distribution<double>(0.0, std::log(double(kMaxPositions)))(rng);
    r.n = std::clamp(static_cast<int>(std::lround(std::exp(logN))), 1, kMaxPositions);
    return r;
}

double Metres(int mm) { return static_cast<double>(mm) / 1000.0; }

QString Typed(int mm, bool comma)
{
    QString text = QString::number(Metres(mm), 'f', 3);
    return comma ? text.replace(u'.', u',') : text;
}

class SoakTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ShowActive(form);
        for (const char* name : kSeriesNames)
            series.push_back(FindComponent<QObject>(form, name));
    }

    int Count(int i) const { return series[static_cast<std::size_t>(i)]->property("Count").toInt(); }

    // Every series holds at most the points of one refresh.
    void ExpectSeriesBounded(const char* when, int step)
    {
        EXPECT_LE(Count(0), kDiagramPositions) << when << " " << step;
        EXPECT_LE(Count(1), kDiagramPositions) << when << " " << step;
        EXPECT_LE(Count(2) + Count(3), kDiagramPositions + 2) << when << " " << step;  // both branches hold the two extremes
        for (int i = 4; i < 7; ++i)
            EXPECT_LE(Count(i), kStudyPoints) << when << " " << step << " " << kSeriesNames[i];
    }

    void Enter(const char* field, const QString& text) { EnterField(form, field, text); }

    void SetRecord(const RandomRecord& r, bool typed, bool comma)
    {
        if (typed) {
            Enter("Edit1", Typed(r.loa, comma));
            Enter("Edit2", Typed(r.lab, !comma));
            Enter("Edit3", Typed(r.lbc, comma));
            Enter("Edit4", Typed(r.lde, !comma));
            Enter("Edit7", Typed(r.loc, comma));
            Enter("Edit10", QString::number(r.n));
            return;
        }
        Mechanism& m = form.MechanismRecord();
        m.Loa = Metres(r.loa);
        m.Lab = Metres(r.lab);
        m.Lbc = Metres(r.lbc);
        m.Lde = Metres(r.lde);
        m.Loc = Metres(r.loc);
        m.PositionCount = r.n;
        form.ShowParameters();
    }

    void Calculate() { QTest::mouseClick(FindComponent<QPushButton>(form, "Button4"), Qt::LeftButton); }

    TempWorkDir dir;
    RecordingMessages messages;
    TForm4 form;
    std::vector<QObject*> series;
};

TEST_F(SoakTest, AThousandCalculatesOfRandomValidMechanisms)
{
    std::mt19937 rng(kSeed);
    int errorBoxes = 0;
    std::map<QString, int> errorTexts;
    int fullRefreshes = 0;
    int largest = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kCalculates; ++i) {
        RandomRecord r = MakeRandomRecord(rng);
        if (i == 0)
            r.n = kMaxPositions;
        const bool typed = i % kTypedEvery == 0;
        SetRecord(r, typed, i % 2 == 0);
        ASSERT_TRUE(messages.messages.isEmpty())
            << "valid input warned at " << i << ": " << messages.messages.join(u'|').toStdString();
        ASSERT_EQ(form.MechanismRecord().PositionCount, r.n) << i;
        ASSERT_EQ(form.MechanismRecord().Lab, Metres(r.lab)) << i;

        Calculate();
        // A valid record may still fault: the study may choose a rocker length at which the crank
        // reaches a toggle position exactly (whole millimetres make that common), and the refresh's
        // 180 positions then meet it. The error box is then the program's answer, not a failure.
        errorBoxes += static_cast<int>(messages.errors.size());
        for (const QString& error : messages.errors) {
            const bool floatingPointFault = error.startsWith(QStringLiteral("Floating point"))
                || error.startsWith(QStringLiteral("Invalid floating point"));
            ASSERT_TRUE(floatingPointFault) << i << ": " << error.toStdString();
            ++errorTexts[error];
        }
        ASSERT_TRUE(messages.messages.isEmpty()) << i << ": " << messages.messages.join(u'|').toStdString();
        ASSERT_TRUE(messages.questions.isEmpty()) << i;
        messages.Clear();

        ExpectSeriesBounded("calculate", i);
        if (Count(0) == kDiagramPositions)
            ++fullRefreshes;
        largest = std::max(largest, r.n);
        if (i % kPaintEvery == 0)
            QApplication::processEvents();
        if (HasFailure())
            return;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "[ soak     ] " << kCalculates << " calculates in " << seconds << " s, " << errorBoxes
              << " error boxes, " << fullRefreshes << " full refreshes, largest N " << largest << std::endl;
    RecordProperty("seconds", QString::number(seconds).toStdString());
    for (const auto& [text, count] : errorTexts)
        std::cout << "[ soak     ]   " << count << " x " << text.toStdString() << std::endl;
    RecordProperty("errorBoxes", errorBoxes);
    // A fault in the refresh comes after the table was filled and counted.
    EXPECT_GE(form.CalculationCount(), kCalculates - errorBoxes);
    EXPECT_LE(form.CalculationCount(), kCalculates);
    // Most random crank-rockers go through; a soak that mostly faults tests nothing.
    EXPECT_LT(errorBoxes, kCalculates / 10);
    EXPECT_GT(fullRefreshes, kCalculates / 2);
}

TEST_F(SoakTest, TenThousandAnimationStepsKeepChartsAndMemoryBounded)
{
    Calculate();
    ASSERT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    FindComponent<QTabWidget>(form, "PageControl1")->setCurrentIndex(3);
    auto* scrollBar = FindComponent<QScrollBar>(form, "ScrollBar1");
    auto* edit5 = FindComponent<QLineEdit>(form, "Edit5");
    QApplication::processEvents();

    long firstWindow = 0, lastWindow = 0;
    int wraps = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int step = 0; step < kAnimationSteps; ++step) {
        if (scrollBar->value() >= kLastScrollPosition) {
            scrollBar->setValue(0);
            ++wraps;
        }
        const int before = scrollBar->value();
        form.Timer1Timer();
        ASSERT_EQ(scrollBar->value(), before + 1) << step;
        ASSERT_EQ(edit5->text(), QString::number(before + 1)) << step;
        ASSERT_TRUE(messages.all.isEmpty()) << step << ": " << messages.all.join(u'|').toStdString();
        ExpectSeriesBounded("step", step);
        ASSERT_EQ(Count(0), kDiagramPositions) << step;
        if (step % kPaintEvery == 0)
            QApplication::processEvents();
        const long inUse = MemoryInUse();
        ASSERT_GT(inUse, 0);
        if (step < kMemoryWindowSteps)
            firstWindow = std::max(firstWindow, inUse);
        else if (step >= kAnimationSteps - kMemoryWindowSteps)
            lastWindow = std::max(lastWindow, inUse);
        if (HasFailure())
            return;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "[ soak     ] " << kAnimationSteps << " animation steps in " << seconds
              << " s, memory in use at most " << firstWindow / 1024 << " KiB in the first " << kMemoryWindowSteps
              << " steps and " << lastWindow / 1024 << " KiB in the last" << std::endl;
    RecordProperty("seconds", QString::number(seconds).toStdString());
    EXPECT_EQ(wraps, kAnimationSteps / kLastScrollPosition);
    EXPECT_LE(lastWindow, firstWindow + kMemoryMarginBytes);
}

}  // namespace
