// Whatever a parameter file holds flows into the fields unvalidated; a following Calculate must
// end in a message, the error box or results, never a crash or a hang.

#include "app/MainForm.h"
#include "storage/ParameterFile.h"
#include "support/FormProbe.h"
#include "support/RecordingMessages.h"
#include "support/TempWorkDir.h"

#include <QFile>
#include <QPushButton>

#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::vector<Mechanism> Records()
{
    const double odd[] = {kNaN, kInf, -kInf, 0.0, -0.0, -0.5, 1e300, 1e-300, 5e-324, 0.1, 0.6, 1.0};
    const std::int32_t counts[] = {0, -1, std::numeric_limits<std::int32_t>::max(),
                                   std::numeric_limits<std::int32_t>::min(), 1, 2, 8};
    std::vector<Mechanism> records;
    Mechanism base{};
    SetDefaultParameters(base);
    // One odd value in one field at a time, with every odd count.
    double Mechanism::*fields[] = {&Mechanism::Loa, &Mechanism::Lab, &Mechanism::Lbc, &Mechanism::Lde,
                                   &Mechanism::Loc, &Mechanism::Lad, &Mechanism::GuideOffset};
    for (double Mechanism::*field : fields) {
        for (const double value : odd) {
            Mechanism m = base;
            m.*field = value;
            m.PositionCount = counts[records.size() % std::size(counts)];
            records.push_back(m);
        }
    }
    // Random records of all the odd values and ordinary ones, with a fixed seed.
    std::mt19937 random(20261207);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(odd) - 1);
    std::uniform_real_distribution<double> length(-0.2, 2.0);
    for (int i = 0; i < 200; ++i) {
        Mechanism m{};
        for (double Mechanism::*field : fields)
            m.*field = (random() % 3 == 0) ? odd[pick(random)] : length(random);
        m.PositionCount = counts[random() % std::size(counts)];
        records.push_back(m);
    }
    return records;
}

void WriteRecord(const Mechanism& m)
{
    const auto bytes = EncodeMechanism(m);
    QFile file(QString::fromLatin1(kParameterFileName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char*>(bytes.data()), kParameterRecordSize);
}

TEST(ParameterFileSweep, EveryRecordLoadsAndCalculatesToAnOutcome)
{
    TempWorkDir dir;
    RecordingMessages messages;
    int withResults = 0;
    int withMessages = 0;
    for (const Mechanism& record : Records()) {
        WriteRecord(record);
        messages.Clear();
        TForm4 form;  // the start-up load takes the file
        ASSERT_EQ(form.MechanismRecord().PositionCount, record.PositionCount);
        form.show();
        QTest::mouseClick(FindComponent<QPushButton>(form, "Button4"), Qt::LeftButton);
        const bool results = form.CalculationCount() == 1;
        EXPECT_EQ(form.Result() != nullptr, results) << "every counted Calculate is the window's result";
        EXPECT_TRUE(results || !messages.all.isEmpty()) << "a Calculate that says nothing and shows nothing";
        withResults += results;
        withMessages += !messages.all.isEmpty();
    }
    EXPECT_GT(withResults, 0);
    EXPECT_GT(withMessages, 0);
}

TEST(ParameterFileSweep, TheLargestAllowedCountStillCalculates)
{
    TempWorkDir dir;
    RecordingMessages messages;
    Mechanism m{};
    SetDefaultParameters(m);
    m.PositionCount = kMaxPositionCount;
    WriteRecord(m);
    TForm4 form;
    QTest::mouseClick(FindComponent<QPushButton>(form, "Button4"), Qt::LeftButton);
    EXPECT_TRUE(messages.all.isEmpty()) << messages.all.join(u'|').toStdString();
    EXPECT_EQ(form.CalculationCount(), 1);
}

}  // namespace
