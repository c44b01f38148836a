// The bank the program is built with: the generated index linked in and the data.dat
// of the run folder. Checks the shape of every question, not what it says.
#include "Errors.h"
#include "QuestionBank.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

const std::span<const QuestionIndexEntry> BuiltIndex(QuestionIndex, QuestionCount);

} // namespace

TEST(BuiltBank, IndexCoversTheDataFileBackToBack)
{
    const QFileInfo data(QStringLiteral(DORVIAN_BANK_DATA));
    ASSERT_TRUE(data.exists()) << DORVIAN_BANK_DATA;
    const qint64 size = data.size();

    EXPECT_EQ(QuestionIndex[0].textOffset, 0);
    std::vector<std::pair<qint64, qint64>> pieces; // offset, length
    for (int i = 0; i < QuestionCount; ++i) {
        const QuestionIndexEntry &e = QuestionIndex[i];
        SCOPED_TRACE(i);
        EXPECT_GT(e.textLength, 0);
        EXPECT_LE(e.textLength, BankReadBufferSize);
        EXPECT_GE(e.textOffset, 0);
        EXPECT_LE(qint64(e.textOffset) + e.textLength, size);
        pieces.emplace_back(e.textOffset, e.textLength);
        if (e.imageOffset != 0) {
            EXPECT_GT(e.imageLength, 0);
            EXPECT_LE(e.imageLength, BankReadBufferSize);
            EXPECT_LE(qint64(e.imageOffset) + e.imageLength, size);
            EXPECT_EQ(e.imageOffset, e.textOffset + e.textLength); // each picture right after its block
            pieces.emplace_back(e.imageOffset, e.imageLength);
        } else {
            EXPECT_EQ(e.imageLength, 0);
        }
        if (i > 0) { // index order is file order
            const QuestionIndexEntry &prev = QuestionIndex[i - 1];
            const qint64 prevEnd = prev.imageOffset != 0 ? qint64(prev.imageOffset) + prev.imageLength
                                                         : qint64(prev.textOffset) + prev.textLength;
            EXPECT_EQ(e.textOffset, prevEnd);
        }
    }
    std::sort(pieces.begin(), pieces.end());
    qint64 end = 0;
    for (const auto &[offset, length] : pieces) {
        EXPECT_EQ(offset, end);
        end = offset + length;
    }
    EXPECT_EQ(end, size);
}

TEST(BuiltBank, EveryQuestionIsWellFormed)
{
    QuestionBank bank;
    ASSERT_NO_THROW(bank.open(DORVIAN_BANK_DATA, BuiltIndex));
    int pictures = 0;
    for (int t = 1; t <= TicketCount; ++t) {
        for (int q = 1; q <= QuestionsPerTicket; ++q) {
            SCOPED_TRACE(testing::Message() << "ticket " << t << " question " << q);
            QStringList lines;
            ASSERT_NO_THROW(lines = bank.readText(t, q));
            ASSERT_GE(lines.size(), 6);
            int star = 2;
            while (star < lines.size() && lines[star] != QStringLiteral("*"))
                ++star;
            ASSERT_LT(star + 1, lines.size()) << "no \"*\" line with a comment after it";
            const int k = star - 2;
            EXPECT_GE(k, 2);
            EXPECT_LE(k, 5);
            bool isNumber = false;
            const int right = lines[0].toInt(&isNumber);
            EXPECT_TRUE(isNumber) << lines[0].toStdString();
            EXPECT_GE(right, 1);
            EXPECT_LE(right, k);
            EXPECT_FALSE(lines[1].trimmed().isEmpty());
            for (int i = 2; i < star; ++i)
                EXPECT_FALSE(lines[i].trimmed().isEmpty()) << "answer " << i - 1;
            EXPECT_FALSE(lines[star + 1].trimmed().isEmpty());
            if (bank.hasPicture(t, q)) {
                ++pictures;
                QImage image;
                ASSERT_NO_THROW(image = bank.readPicture(t, q));
                EXPECT_FALSE(image.isNull());
            }
        }
    }
    EXPECT_GT(pictures, 0);
}

TEST(BuiltBank, TextIndexMatchesTheLinkedIndex)
{
    QFile file(QStringLiteral(DORVIAN_BANK_INDEX_TEXT));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << DORVIAN_BANK_INDEX_TEXT;
    const QStringList lines = QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), QuestionCount);
    for (int i = 0; i < QuestionCount; ++i) {
        const QuestionIndexEntry &e = QuestionIndex[i];
        const QString expected = QStringLiteral("%1 %2 %3 %4 %5 %6")
                                     .arg(i / QuestionsPerTicket + 1)
                                     .arg(i % QuestionsPerTicket + 1)
                                     .arg(e.textOffset)
                                     .arg(e.textLength)
                                     .arg(e.imageOffset)
                                     .arg(e.imageLength);
        EXPECT_EQ(lines[i], expected);
    }
}
