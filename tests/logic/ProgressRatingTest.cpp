// The rating dial: percentage, frame and blink from the 40 ticket results.
#include "ProgressRating.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <map>
#include <random>
#include <set>
#include <vector>

namespace {

ResultsRecord recordOf(std::initializer_list<std::pair<int, std::int32_t>> runs)
{
    // (count, status) pairs, from ticket 1 on; the rest stays NotTaken.
    ResultsRecord record;
    std::size_t t = 0;
    for (const auto &[count, status] : runs)
        for (int i = 0; i < count; ++i)
            record.statuses.at(t++) = status;
    return record;
}

void expectSameRating(const ProgressRating &a, const ProgressRating &b)
{
    EXPECT_EQ(std::bit_cast<std::uint64_t>(a.percentage), std::bit_cast<std::uint64_t>(b.percentage))
        << a.percentage << " vs " << b.percentage;
    EXPECT_EQ(a.frame, b.frame);
    EXPECT_EQ(a.blink, b.blink);
}

struct Case {
    const char *name;
    ResultsRecord record;
    double percentage;
    int frame;
    bool blink;
};

std::vector<Case> edgeCases()
{
    ResultsRecord spread; // 23 passed exams anywhere give the same as the first 23
    for (int t = 0; t < 40; ++t)
        spread.statuses[t] = (t % 2 == 1 || t == 0 || t == 2 || t == 4) ? ExamPassed : NotTaken;
    ResultsRecord foreign = recordOf({{1, ExamPassed}});
    foreign.statuses[5] = 7;
    foreign.statuses[6] = -1;
    foreign.statuses[39] = 4;
    return {
        {"NothingTaken", ResultsRecord{}, 0.0, 0, false},
        {"OneExam", recordOf({{1, ExamPassed}}), 2.5, 0, false},
        {"ThreeExams", recordOf({{3, ExamPassed}}), 7.5, 2, false},
        {"FiveExams", recordOf({{5, ExamPassed}}), 12.5, 2, false},
        {"TwentyThreeExams", recordOf({{23, ExamPassed}}), 57.5, 12, false},
        {"TwentyThreeExamsSpread", spread, 57.5, 12, false},
        {"TwentyFiveTrainings", recordOf({{25, TrainingPassed}}), 12.500000000000004, 3, false},
        {"FiveTrainings", recordOf({{5, TrainingPassed}}), 2.4999999999999996, 0, false},
        {"AllExams", recordOf({{40, ExamPassed}}), 100.0, 20, true},
        {"ThirtyNineExamsOneFailure", recordOf({{39, ExamPassed}, {1, Failed}}), 92.5, 18, false},
        {"OneFailureFirst", recordOf({{1, Failed}, {39, ExamPassed}}), 92.5, 18, false},
        {"MoreFailuresThanPasses", recordOf({{5, ExamPassed}, {10, Failed}}), 0.0, 0, false},
        {"AllFailed", recordOf({{40, Failed}}), 0.0, 0, false},
        {"ForeignValuesCountNothing", foreign, 2.5, 0, false},
    };
}

class RatingEdgeCase : public ::testing::TestWithParam<Case> {};

TEST_P(RatingEdgeCase, BothPathsGiveTheExpectedDial)
{
    const Case &c = GetParam();
    for (const ProgressRating &r : {ProgressRating::compute(c.record), ProgressRating::computePortable(c.record)}) {
        EXPECT_EQ(r.percentage, c.percentage);
        EXPECT_FALSE(std::signbit(r.percentage));
        EXPECT_EQ(r.frame, c.frame);
        EXPECT_EQ(r.blink, c.blink);
    }
}

INSTANTIATE_TEST_SUITE_P(Records, RatingEdgeCase, ::testing::ValuesIn(edgeCases()),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Rating, FortyTrainingsReachOnlyAFifth)
{
    const auto r = ProgressRating::computePortable(recordOf({{40, TrainingPassed}}));
    EXPECT_NEAR(r.percentage, 20.0, 1e-12);
    EXPECT_EQ(r.frame, 4);
    EXPECT_FALSE(r.blink);
    expectSameRating(ProgressRating::compute(recordOf({{40, TrainingPassed}})), r);
}

TEST(Rating, EveryCountOfOneStatusAgreesAcrossPaths)
{
    for (const std::int32_t status : {ExamPassed, Failed, TrainingPassed}) {
        for (int n = 0; n <= 40; ++n) {
            SCOPED_TRACE(testing::Message() << "status " << status << " x" << n);
            const ResultsRecord record = recordOf({{n, status}});
            const auto r = ProgressRating::computePortable(record);
            expectSameRating(ProgressRating::compute(record), r);
            EXPECT_GE(r.frame, 0);
            EXPECT_LE(r.frame, 20);
            EXPECT_GE(r.percentage, 0.0);
            EXPECT_LE(r.percentage, 100.0);
        }
    }
}

TEST(Rating, RandomRecordsAgreeAcrossPaths)
{
    // Foreign values among the statuses too; they must count for nothing.
    const std::int32_t values[] = {NotTaken, ExamPassed, Failed, TrainingPassed, 7, -1, 4, INT32_MIN};
    std::mt19937 random(20060815);
    std::uniform_int_distribution<int> pick(0, 7);
    std::uniform_int_distribution<int> mostlyPasses(0, 9);
    for (int i = 0; i < 20000; ++i) {
        ResultsRecord record;
        const bool passHeavy = i % 2 == 0; // keep many sums positive, so frames vary
        for (auto &s : record.statuses) {
            if (passHeavy) {
                const int r = mostlyPasses(random);
                s = r < 5 ? ExamPassed : r < 9 ? TrainingPassed : values[pick(random)];
            } else {
                s = values[pick(random)];
            }
        }
        const auto hardware = ProgressRating::compute(record);
        const auto portable = ProgressRating::computePortable(record);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(hardware.percentage), std::bit_cast<std::uint64_t>(portable.percentage))
            << "record " << i << ": " << hardware.percentage << " vs " << portable.percentage;
        ASSERT_EQ(hardware.frame, portable.frame) << "record " << i;
        ASSERT_EQ(hardware.blink, portable.blink) << "record " << i;
    }
}

TEST(Rating, OrderOfTheTicketsMatters)
{
    // The same results in another order round differently along the way; both paths
    // must follow each order, not just the counts.
    std::vector<std::int32_t> statuses;
    statuses.insert(statuses.end(), 13, TrainingPassed);
    statuses.insert(statuses.end(), 17, ExamPassed);
    statuses.insert(statuses.end(), 3, Failed);
    statuses.resize(40, NotTaken);
    std::mt19937 random(7);
    std::set<std::uint64_t> percentages;
    for (int i = 0; i < 2000; ++i) {
        std::shuffle(statuses.begin(), statuses.end(), random);
        ResultsRecord record;
        std::copy(statuses.begin(), statuses.end(), record.statuses.begin());
        const auto portable = ProgressRating::computePortable(record);
        expectSameRating(ProgressRating::compute(record), portable);
        percentages.insert(std::bit_cast<std::uint64_t>(portable.percentage));
    }
    EXPECT_GT(percentages.size(), 1u);
}

TEST(Rating, EveryReachableSumAndStepAgreesAcrossPaths)
{
#if LDBL_MANT_DIG == 64
    // Walks every sum a record can reach, ticket by ticket, with the x87 rule as the
    // reference; for each reachable sum and each status the next ticket may hold, the
    // record that gets there must rate the same on both paths and as the reference.
    struct State {
        std::vector<std::int32_t> path;
    };
    auto step = [](double sum, std::int32_t status) {
        switch (status) {
        case ExamPassed: return static_cast<double>(static_cast<long double>(sum) + 1.0L);
        case Failed: return static_cast<double>(static_cast<long double>(sum) - 2.0L);
        case TrainingPassed: return static_cast<double>(0.2L + static_cast<long double>(sum));
        default: return sum;
        }
    };
    auto reference = [](double sum) {
        double percentage = static_cast<double>(static_cast<long double>(sum) / 40.0L * 100.0L);
        if (percentage < 0)
            percentage = 0;
        const long double n = static_cast<long double>(percentage) / 5.0L;
        long double frame = std::floor(n);
        if (n - frame > 0.5L || (n - frame == 0.5L && std::fmod(frame, 2.0L) != 0))
            frame += 1;
        return std::pair<double, int>(percentage, static_cast<int>(frame));
    };
    std::map<std::uint64_t, State> states{{std::bit_cast<std::uint64_t>(0.0), State{}}};
    std::size_t checked = 0;
    for (int ticket = 1; ticket <= 40; ++ticket) {
        std::map<std::uint64_t, State> next;
        for (const auto &[key, state] : states) {
            const double sum = std::bit_cast<double>(key);
            for (const std::int32_t status : {NotTaken, ExamPassed, Failed, TrainingPassed}) {
                const double reached = step(sum, status);
                State grown = state;
                grown.path.push_back(status);
                ResultsRecord record;
                std::copy(grown.path.begin(), grown.path.end(), record.statuses.begin());
                const auto portable = ProgressRating::computePortable(record);
                const auto expected = reference(reached);
                ASSERT_EQ(std::bit_cast<std::uint64_t>(portable.percentage), std::bit_cast<std::uint64_t>(expected.first))
                    << "ticket " << ticket << ": " << portable.percentage << " vs " << expected.first;
                ASSERT_EQ(portable.frame, expected.second) << "ticket " << ticket;
                ASSERT_EQ(portable.blink, expected.first >= 100);
                const auto hardware = ProgressRating::compute(record);
                ASSERT_EQ(std::bit_cast<std::uint64_t>(hardware.percentage), std::bit_cast<std::uint64_t>(expected.first));
                ASSERT_EQ(hardware.frame, expected.second);
                ++checked;
                next.try_emplace(std::bit_cast<std::uint64_t>(reached), std::move(grown));
            }
        }
        states.swap(next);
    }
    EXPECT_GT(states.size(), 10000u);
    EXPECT_GT(checked, 500000u);
#else
    GTEST_SKIP() << "the reference walk needs an 80-bit long double";
#endif
}

TEST(Rating, HardwarePathUsesExtendedPrecisionWhereAvailable)
{
#if LDBL_MANT_DIG == 64
    // Plain double arithmetic gives 57.49999999999999 here, and frame 11.
    const double naive = (23.0 / 40.0) * 100.0;
    ASSERT_NE(naive, 57.5);
    EXPECT_EQ(ProgressRating::compute(recordOf({{23, ExamPassed}})).frame, 12);
#else
    GTEST_SKIP() << "no 80-bit long double: compute() is the portable path";
#endif
}

} // namespace
