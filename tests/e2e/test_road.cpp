// Whole runs in the real program, by keys and clicks from outside, checked in pl.dat.
#include "Folder.h"
#include "QuestionBank.h"
#include "ProgramTest.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace std::chrono_literals;

namespace {

// Client-area points of the main window's controls.
constexpr int LearningX = 460, LearningY = 380;
constexpr int TrainingX = 460, TrainingY = 316;
constexpr int ExamX = 460, ExamY = 252;
constexpr int HelpX = 48, HelpY = 427;

struct Answers {
    int right = 0;
    int count = 0;
};

// Read from the bank the test runs on, never assumed.
Answers answersOf(const std::string &dataDat, int ticket, int question)
{
    QuestionBank bank;
    bank.open(dataDat, std::span<const QuestionIndexEntry>(QuestionIndex, QuestionCount));
    const QStringList lines = bank.readText(ticket, question);
    Answers a;
    a.right = lines.at(0).trimmed().toInt();
    int i = 2;
    while (i < lines.size() && lines[i] != QLatin1String("*"))
        ++i;
    a.count = i - 2;
    return a;
}

class Road : public ProgramTest {
protected:
    void SetUp() override { folder.copyBank(); }

    void start()
    {
        program = std::make_unique<Program>(x(), folder.path());
        main = waitMain();
        ASSERT_FALSE(main.empty()) << "the main window did not show";
    }

    void quit()
    {
        const std::string w = waitMain();
        ASSERT_FALSE(w.empty()) << "the main window did not come back";
        x().key(w, "alt+F4");
        EXPECT_EQ(program->waitExit(), 0);
    }

    std::vector<unsigned char> results() { return fileBytes(folder.file("pl.dat")); }

    static std::int32_t statusAt(const std::vector<unsigned char> &bytes, int ticket)
    {
        const std::size_t at = 8 + 4 * static_cast<std::size_t>(ticket - 1);
        return static_cast<std::int32_t>(bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<unsigned>(bytes[at + 3]) << 24);
    }

    // Answers all 20 questions of the ticket with digit keys; `wrongAt` is answered wrong.
    void answerTicket(const std::string &ticketWindow, int ticket, int wrongAt = 0)
    {
        for (int q = 1; q <= 20; ++q) {
            const Answers a = answersOf(folder.file("data.dat"), ticket, q);
            ASSERT_GE(a.count, 2);
            const int k = q == wrongAt ? a.right % a.count + 1 : a.right;
            x().key(ticketWindow, std::to_string(k));
        }
    }

    Folder folder;
    std::unique_ptr<Program> program;
    std::string main;
};

} // namespace

TEST_F(Road, TrainingAnsweredAllRightIsStoredAsPassedInTraining)
{
    start();
    x().click(main, TrainingX, TrainingY);
    const std::string ticket = waitTicket();
    ASSERT_FALSE(ticket.empty()) << "the ticket window did not show";
    EXPECT_TRUE(x().windows("Дорвиан").size() == 1) << "only one of the two windows is visible";
    answerTicket(ticket, 1);
    const std::string dialog = x().waitWindow("Информация");
    ASSERT_FALSE(dialog.empty()) << "no result dialog";
    x().key(dialog, "Return");
    quit();
    const auto bytes = results();
    ASSERT_EQ(bytes.size(), 168u);
    EXPECT_EQ(statusAt(bytes, 1), 3);
    for (int t = 2; t <= 40; ++t)
        EXPECT_EQ(statusAt(bytes, t), 0) << "ticket " << t;
}

TEST_F(Road, TrainingWithOneWrongAnswerIsStoredAsFailed)
{
    start();
    x().key(main, "Down"); // ticket 2
    x().click(main, TrainingX, TrainingY);
    const std::string ticket = waitTicket();
    ASSERT_FALSE(ticket.empty());
    answerTicket(ticket, 2, 7);
    EXPECT_TRUE(x().windows("Информация").empty()) << "a failed run shows no result";
    quit();
    const auto bytes = results();
    EXPECT_EQ(statusAt(bytes, 2), 2);
    EXPECT_EQ(statusAt(bytes, 1), 0);
}

TEST_F(Road, ExamStoppedAtOnceWithEscIsAFailureOfExactlyOneTicket)
{
    start();
    x().click(main, ExamX, ExamY);
    const std::string ticket = waitTicket();
    ASSERT_FALSE(ticket.empty());
    x().key(ticket, "Escape");
    quit();
    const auto bytes = results();
    int failed = 0, other = 0;
    for (int t = 1; t <= 40; ++t) {
        const auto s = statusAt(bytes, t);
        failed += s == 2;
        other += s != 2 && s != 0;
    }
    EXPECT_EQ(failed, 1);
    EXPECT_EQ(other, 0);
}

TEST_F(Road, LearningRewritesTheResultsUnchanged)
{
    std::vector<unsigned char> stored(168, 0);
    for (int i = 0; i < 8; ++i)
        stored[i] = static_cast<unsigned char>(0xA0 + i);
    for (int t = 1; t <= 40; ++t)
        stored[8 + 4 * (t - 1)] = static_cast<unsigned char>(t % 4);
    putBytes(folder.file("pl.dat"), stored);
    ASSERT_EQ(std::system(("touch -d 2001-01-01 " + folder.file("pl.dat")).c_str()), 0);
    start();
    x().click(main, LearningX, LearningY);
    const std::string ticket = waitTicket();
    ASSERT_FALSE(ticket.empty());
    const Answers a = answersOf(folder.file("data.dat"), 1, 1);
    x().key(ticket, std::to_string(a.right));
    x().key(ticket, "Escape");
    quit();
    EXPECT_EQ(results(), stored);
    struct stat st {};
    ASSERT_EQ(::stat(folder.file("pl.dat").c_str(), &st), 0);
    EXPECT_GT(st.st_mtime, 978307200 + 86400) << "the file was written again";
}

TEST_F(Road, ResetZeroesTheStatusesAndKeepsTheReservedBytes)
{
    std::vector<unsigned char> stored(168, 0);
    for (int i = 0; i < 168; ++i)
        stored[i] = static_cast<unsigned char>(i < 8 ? 0x51 + i : (i % 4 == 0 ? 1 : 0));
    putBytes(folder.file("pl.dat"), stored);
    start();
    x().click(main, HelpX, HelpY);
    pause(300ms);
    x().sh("xdotool key --delay 100 Down Down Return");
    const std::string box = x().waitWindow("Внимание!");
    ASSERT_FALSE(box.empty()) << "no reset question";
    x().key(box, "Return");
    quit();
    const auto bytes = results();
    ASSERT_EQ(bytes.size(), 168u);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(bytes[i], stored[i]);
    for (int i = 8; i < 168; ++i)
        EXPECT_EQ(bytes[i], 0) << "byte " << i;
}
