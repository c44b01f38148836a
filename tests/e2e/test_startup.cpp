// Start-up of the real program in a folder of its own, watched from outside.
#include "Folder.h"
#include "ProgramTest.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

std::vector<unsigned char> patterned(std::size_t n)
{
    std::vector<unsigned char> bytes(n);
    for (std::size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<unsigned char>(i % 4 == 0 && i >= 8 ? (i / 4) % 4 : i * 13 + 5);
    return bytes;
}

} // namespace

using Startup = ProgramTest;

TEST_F(Startup, WithoutTheBankOnlyTheWarningShowsAndTheProgramEnds)
{
    Folder folder;
    Program program(x(), folder.path());
    const std::string box = x().waitWindow("Внимание!");
    ASSERT_FALSE(box.empty()) << "no warning box";
    EXPECT_NE(x().copiedText(box).find("Нет файла с данными! Программа повреждена! "), std::string::npos);
    EXPECT_TRUE(x().windows("Дорвиан").empty()) << "no other window before the warning is answered";
    x().key(box, "Return");
    EXPECT_EQ(program.waitExit(), 0);
    EXPECT_FALSE(folder.has("pl.dat"));
}

TEST_F(Startup, FirstStartCreatesZeroResultsBeforeTheMainWindowShows)
{
    Folder folder;
    folder.copyBank();
    Program program(x(), folder.path());
    const std::string main = waitMain();
    ASSERT_FALSE(main.empty()) << "the main window did not show";
    EXPECT_EQ(fileBytes(folder.file("pl.dat")), std::vector<unsigned char>(168, 0));
    x().key(main, "alt+F4");
    EXPECT_EQ(program.waitExit(), 0);
    EXPECT_EQ(fileBytes(folder.file("pl.dat")), std::vector<unsigned char>(168, 0));
}

TEST_F(Startup, ExistingResultsAreOnlyRead)
{
    Folder folder;
    folder.copyBank();
    const auto results = patterned(168);
    putBytes(folder.file("pl.dat"), results);
    Program program(x(), folder.path());
    const std::string main = waitMain();
    ASSERT_FALSE(main.empty());
    x().key(main, "alt+F4");
    EXPECT_EQ(program.waitExit(), 0);
    EXPECT_EQ(fileBytes(folder.file("pl.dat")), results);
}

TEST_F(Startup, ShortResultsFileIsReportedAndTheProgramRunsOn)
{
    Folder folder;
    folder.copyBank();
    const std::vector<unsigned char> results(16, 0);
    putBytes(folder.file("pl.dat"), results);
    Program program(x(), folder.path());
    std::string box;
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (box.empty() && std::chrono::steady_clock::now() < deadline) {
        for (const auto &w : x().windows("Дорвиан"))
            if (x().geometry(w).width != 722)
                box = w;
        pause(100ms);
    }
    ASSERT_FALSE(box.empty()) << "no error box";
    EXPECT_NE(x().copiedText(box).find("Read beyond end of file."), std::string::npos);
    x().key(box, "Return");
    const std::string main = waitMain();
    ASSERT_FALSE(main.empty()) << "start-up did not go on";
    x().key(main, "alt+F4");
    EXPECT_EQ(program.waitExit(), 0);
    EXPECT_EQ(fileBytes(folder.file("pl.dat")), results) << "a failed load writes nothing";
}

TEST_F(Startup, UnreadableBankStopsBeforeAnyWindowWithoutTouchingResults)
{
    Folder folder;
    std::filesystem::create_directory(folder.file("data.dat")); // exists, cannot be read as a file
    Program program(x(), folder.path());
    const std::string box = x().waitWindow("Дорвиан");
    ASSERT_FALSE(box.empty()) << "no error box";
    EXPECT_NE(x().geometry(box).width, 722) << "the main window must not show";
    x().key(box, "Return");
    EXPECT_EQ(program.waitExit(), 1) << "a failed start is not a success";
    EXPECT_FALSE(folder.has("pl.dat"));
}
