#include "Errors.h"

#include <cerrno>
#include <gtest/gtest.h>

TEST(ErrorTexts, FileErrorsHaveTheirOwnTexts)
{
    EXPECT_STREQ(InOutError(2).what(), "File not found");
    EXPECT_STREQ(InOutError(3).what(), "Invalid filename");
    EXPECT_STREQ(InOutError(4).what(), "Too many open files");
    EXPECT_STREQ(InOutError(5).what(), "File access denied");
    EXPECT_STREQ(InOutError(100).what(), "Read beyond end of file");
    EXPECT_STREQ(InOutError(101).what(), "Disk full");
    EXPECT_STREQ(InOutError(106).what(), "Invalid numeric input");
    EXPECT_STREQ(InOutError(102).what(), "I/O error 102");
    EXPECT_STREQ(InOutError(103).what(), "I/O error 103");
}

TEST(ErrorTexts, ConversionListAndPictureErrors)
{
    EXPECT_STREQ(ConvertError("3a").what(), "'3a' is not a valid integer value");
    EXPECT_STREQ(ConvertError("").what(), "'' is not a valid integer value");
    EXPECT_STREQ(ListIndexError(6).what(), "List index out of bounds (6)");
    EXPECT_STREQ(JpegError(53).what(), "JPEG error #53");
    EXPECT_EQ(JpegError(53).msgCode(), 53);
}

TEST(ErrorTexts, SystemErrorsMapOntoFileErrors)
{
    EXPECT_EQ(ioCodeFromErrno(ENOENT), 2);
    EXPECT_EQ(ioCodeFromErrno(EACCES), 5);
    EXPECT_EQ(ioCodeFromErrno(EROFS), 5);
    EXPECT_EQ(ioCodeFromErrno(EMFILE), 4);
    EXPECT_EQ(ioCodeFromErrno(ENOSPC), 101);
    EXPECT_EQ(ioCodeFromErrno(ENAMETOOLONG), 3);
    // EIO is 5 on Linux: it must not read as "File access denied".
    EXPECT_STRNE(InOutError(ioCodeFromErrno(EIO)).what(), "File access denied");
    EXPECT_STREQ(InOutError(ioCodeFromErrno(EIO)).what(), "I/O error 1005");
}
