#include "Errors.h"
#include "ResultsStore.h"
#include "TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

std::vector<unsigned char> patterned(std::size_t size)
{
    std::vector<unsigned char> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<unsigned char>(i * 7 + 1);
    return bytes;
}

std::string errorOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const AppError &e) {
        return e.what();
    }
    return "no error";
}

bool runningAsRoot() { return ::geteuid() == 0; }

} // namespace

TEST(ResultsRecordBytes, LittleEndianStatusesAfterReservedBytes)
{
    ResultsRecord record;
    record.reserved = {1, 2, 3, 4, 5, 6, 7, 8};
    record.statuses[0] = TrainingPassed;
    record.statuses[39] = -2;
    record.statuses[4] = 0x01020304;
    const auto bytes = encodeRecord(record);
    ASSERT_EQ(bytes.size(), 168u);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(bytes[7], 8);
    EXPECT_EQ(bytes[8], 3);
    EXPECT_EQ(bytes[9], 0);
    EXPECT_EQ(bytes[8 + 16], 0x04);
    EXPECT_EQ(bytes[8 + 16 + 3], 0x01);
    EXPECT_EQ(bytes[164], 0xFE);
    EXPECT_EQ(bytes[167], 0xFF);
    const ResultsRecord back = decodeRecord(bytes.data(), bytes.size());
    EXPECT_EQ(back.reserved, record.reserved);
    EXPECT_EQ(back.statuses, record.statuses);
}

TEST(ResultsStoreFile, FirstStartCreates168ZeroBytes)
{
    TempDir dir;
    ResultsStore store;
    store.setFileName(dir.file("pl.dat"));
    store.loadOrCreate();
    const auto bytes = readBytes(dir.file("pl.dat"));
    EXPECT_EQ(bytes, std::vector<unsigned char>(168, 0));
    for (int t = 1; t <= 40; ++t)
        EXPECT_EQ(store.status(t), NotTaken);
}

TEST(ResultsStoreFile, LoadKeepsReservedBytesAndSaveChangesOnlyTheTicket)
{
    TempDir dir;
    const auto original = patterned(168);
    writeBytes(dir.file("pl.dat"), original);
    ResultsStore store;
    store.setFileName(dir.file("pl.dat"));
    store.loadOrCreate();
    EXPECT_EQ(readBytes(dir.file("pl.dat")), original) << "loading only reads";

    store.setStatus(7, TrainingPassed);
    store.save();
    auto expected = original;
    expected[8 + 4 * 6] = 3;
    expected[8 + 4 * 6 + 1] = 0;
    expected[8 + 4 * 6 + 2] = 0;
    expected[8 + 4 * 6 + 3] = 0;
    EXPECT_EQ(readBytes(dir.file("pl.dat")), expected);
}

TEST(ResultsStoreFile, ResetZeroesStatusesAndKeepsTheFirstEightBytes)
{
    TempDir dir;
    const auto original = patterned(168);
    writeBytes(dir.file("pl.dat"), original);
    ResultsStore store;
    store.setFileName(dir.file("pl.dat"));
    store.loadOrCreate();
    store.reset();
    const auto bytes = readBytes(dir.file("pl.dat"));
    ASSERT_EQ(bytes.size(), 168u);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(bytes[i], original[i]);
    for (int i = 8; i < 168; ++i)
        EXPECT_EQ(bytes[i], 0) << "byte " << i;
}

TEST(ResultsStoreFile, LongerFileKeepsItsTailAndOnlyTheRecordIsRewritten)
{
    TempDir dir;
    const auto original = patterned(200);
    writeBytes(dir.file("pl.dat"), original);
    ResultsStore store;
    store.setFileName(dir.file("pl.dat"));
    store.loadOrCreate();
    store.setStatus(1, ExamPassed);
    store.save();
    const auto bytes = readBytes(dir.file("pl.dat"));
    ASSERT_EQ(bytes.size(), 200u) << "no truncation";
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin() + 168, bytes.end()),
              std::vector<unsigned char>(original.begin() + 168, original.end()));
    EXPECT_EQ(bytes[8], 1);
}

TEST(ResultsStoreFile, ShortFileIsReadAsFarAsItGoes)
{
    TempDir dir;
    std::vector<unsigned char> shortFile(16, 0);
    shortFile[0] = 9;
    shortFile[8] = ExamPassed;
    shortFile[12] = Failed;
    writeBytes(dir.file("pl.dat"), shortFile);
    ResultsStore store;
    store.setFileName(dir.file("pl.dat"));
    EXPECT_EQ(errorOf([&] { store.loadOrCreate(); }), "Read beyond end of file");
    EXPECT_EQ(store.record().reserved[0], 9);
    EXPECT_EQ(store.status(1), ExamPassed);
    EXPECT_EQ(store.status(2), Failed);
    for (int t = 3; t <= 40; ++t)
        EXPECT_EQ(store.status(t), NotTaken);
    EXPECT_EQ(readBytes(dir.file("pl.dat")).size(), 16u) << "a failed load writes nothing";
}

TEST(ResultsStoreFile, RemovedFileFailsEverySaveUntilItIsBack)
{
    TempDir dir;
    ResultsStore store;
    store.setFileName(dir.file("pl.dat"));
    store.loadOrCreate();
    std::filesystem::remove(dir.file("pl.dat"));
    store.setStatus(3, ExamPassed);
    EXPECT_EQ(errorOf([&] { store.save(); }), "File not found");
    EXPECT_FALSE(std::filesystem::exists(dir.file("pl.dat"))) << "saving never creates the file";
    writeBytes(dir.file("pl.dat"), std::vector<unsigned char>(168, 0));
    store.save();
    EXPECT_EQ(readBytes(dir.file("pl.dat"))[16], 1);
}

TEST(ResultsStoreFile, WriteProtectedFileFailsLoadAndSave)
{
    if (runningAsRoot())
        GTEST_SKIP() << "file permissions do not bind root";
    TempDir dir;
    const auto original = patterned(168);
    writeBytes(dir.file("pl.dat"), original);
    std::filesystem::permissions(dir.file("pl.dat"), std::filesystem::perms::owner_read);
    ResultsStore store;
    store.setFileName(dir.file("pl.dat"));
    EXPECT_EQ(errorOf([&] { store.loadOrCreate(); }), "File access denied");
    EXPECT_EQ(store.status(1), NotTaken) << "the record stays zero";
    EXPECT_EQ(errorOf([&] { store.save(); }), "File access denied");
    EXPECT_EQ(readBytes(dir.file("pl.dat")), original);
}

TEST(ResultsStoreFile, UnnamedOrDirectoryFails)
{
    ResultsStore unnamed;
    EXPECT_EQ(errorOf([&] { unnamed.save(); }), "I/O error 102");
    EXPECT_EQ(errorOf([&] { unnamed.loadOrCreate(); }), "I/O error 102");

    TempDir dir;
    std::filesystem::create_directory(dir.file("pl.dat"));
    ResultsStore store;
    store.setFileName(dir.file("pl.dat"));
    EXPECT_EQ(errorOf([&] { store.loadOrCreate(); }), "File access denied");
}

TEST(ResultsStoreStatus, TicketNumbersOutsideTheRecordAreRefused)
{
    ResultsStore store;
    EXPECT_THROW(store.status(0), std::out_of_range);
    EXPECT_THROW(store.setStatus(41, ExamPassed), std::out_of_range);
    store.setStatus(40, 7); // foreign values are kept as they are
    EXPECT_EQ(store.status(40), 7);
}
