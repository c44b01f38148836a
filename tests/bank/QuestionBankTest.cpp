// The question bank reader on small banks built here with the compiler library.
#include "BankTestSupport.h"

#include "Errors.h"
#include "QuestionBank.h"

#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <jerror.h>
#include <sys/stat.h>

using namespace banktest;

namespace {

int row(int ticket, int question)
{
    return (ticket - 1) * QuestionsPerTicket + (question - 1);
}

// The answer count as the ticket run finds it: answers from line 2 up to the line that is exactly "*".
int answerCount(const QStringList &lines)
{
    int i = 2;
    while (i < lines.size() && lines[i] != QStringLiteral("*"))
        ++i;
    return i < lines.size() ? i - 2 : -1;
}

SourceQuestion question(int ticket, int q, QStringList answers, int right)
{
    SourceQuestion s = validQuestion(ticket, q);
    s.text = QStringLiteral("Вопрос %1.%2: что делать?").arg(ticket).arg(q);
    s.answers = std::move(answers);
    s.right = right;
    s.comment = QStringLiteral("Комментарий %1.%2").arg(ticket).arg(q);
    return s;
}

// A full 800-question bank on disk; entries can be replaced before it is written.
class FixtureBank {
public:
    FixtureBank()
    {
        for (int t = 1; t <= TicketCount; ++t)
            for (int q = 1; q <= QuestionsPerTicket; ++q)
                entries_.push_back(compileQuestion(question(t, q, {QStringLiteral("Да"), QStringLiteral("Нет")}, 1 + q % 2)));
    }
    void set(int ticket, int q, BankEntry e) { entries_[static_cast<std::size_t>(row(ticket, q))] = std::move(e); }

    // Writes data.dat; index rows may be patched afterwards through index().
    std::string write()
    {
        EXPECT_TRUE(dir_.isValid());
        bank_ = layoutBank(entries_);
        path_ = dir_.filePath(QStringLiteral("data.dat")).toStdString();
        EXPECT_TRUE(writeFile(QString::fromStdString(path_), bank_.data));
        return path_;
    }
    std::vector<QuestionIndexEntry> &index() { return bank_.index; }
    const CompiledBank &compiled() const { return bank_; }
    std::string path() const { return path_; }

private:
    QTemporaryDir dir_;
    std::vector<BankEntry> entries_;
    CompiledBank bank_;
    std::string path_;
};

template <typename F>
std::string errorText(F f)
{
    try {
        f();
    } catch (const AppError &e) {
        return e.what();
    }
    return "(no error)";
}

} // namespace

TEST(QuestionBank, ReadsBackTextLinesAndAnswerCounts)
{
    FixtureBank fixture;
    fixture.set(1, 1, compileQuestion(question(1, 1, {QStringLiteral("Да"), QStringLiteral("Нет")}, 2)));
    fixture.set(40, 20,
                compileQuestion(question(40, 20,
                                         {QStringLiteral("один"), QStringLiteral("два"), QStringLiteral("три"),
                                          QStringLiteral("четыре"), QStringLiteral("пять")},
                                         5)));
    fixture.set(12, 7,
                compileQuestion(question(12, 7, {QStringLiteral("5*3=15"), QStringLiteral("*нет"), QStringLiteral("да*")}, 1)));
    fixture.write();

    QuestionBank bank;
    bank.open(fixture.path(), fixture.index());
    ASSERT_TRUE(bank.isOpen());

    const QStringList two = bank.readText(1, 1);
    EXPECT_EQ(two, (QStringList{QStringLiteral("2"), QStringLiteral("Вопрос 1.1: что делать?"), QStringLiteral("Да"),
                                QStringLiteral("Нет"), QStringLiteral("*"), QStringLiteral("Комментарий 1.1")}));
    EXPECT_EQ(answerCount(two), 2);
    EXPECT_EQ(two.indexOf(QStringLiteral("*")), 4);

    const QStringList five = bank.readText(40, 20);
    EXPECT_EQ(answerCount(five), 5);
    EXPECT_EQ(five.indexOf(QStringLiteral("*")), 7);
    EXPECT_EQ(five[0], QStringLiteral("5"));
    EXPECT_EQ(five[6], QStringLiteral("пять"));
    EXPECT_EQ(five[8], QStringLiteral("Комментарий 40.20"));

    // Asterisks among other characters are answers, not the end of the answers.
    const QStringList starred = bank.readText(12, 7);
    EXPECT_EQ(answerCount(starred), 3);
    EXPECT_EQ(starred[2], QStringLiteral("5*3=15"));
    EXPECT_EQ(starred[3], QStringLiteral("*нет"));
    EXPECT_EQ(starred[4], QStringLiteral("да*"));

    // Every other question reads back as written.
    for (int t = 1; t <= TicketCount; ++t) {
        for (int q = 1; q <= QuestionsPerTicket; ++q) {
            const QStringList lines = bank.readText(t, q);
            ASSERT_GE(lines.size(), 2);
            EXPECT_EQ(lines[1], QStringLiteral("Вопрос %1.%2: что делать?").arg(t).arg(q));
            EXPECT_FALSE(bank.hasPicture(t, q));
        }
    }
}

TEST(QuestionBank, LineEndsCrLfLfAndCrSplitTheSame)
{
    const QByteArray crlf = compileQuestion(question(1, 2, {QStringLiteral("а"), QStringLiteral("б"), QStringLiteral("в")}, 3)).text;
    QByteArray lf = crlf;
    lf.replace("\r\n", "\n");
    QByteArray cr = crlf;
    cr.replace("\r\n", "\r");
    QByteArray mixed = crlf;
    mixed.replace(mixed.indexOf("\r\n"), 2, "\n");
    mixed.replace(mixed.lastIndexOf("\r\n"), 2, "\r");
    QByteArray unterminated = crlf;
    unterminated.chop(2); // no line end after the comment

    FixtureBank fixture;
    fixture.set(1, 2, {crlf, {}});
    fixture.set(1, 3, {lf, {}});
    fixture.set(1, 4, {cr, {}});
    fixture.set(1, 5, {mixed, {}});
    fixture.set(1, 6, {unterminated, {}});
    fixture.write();

    QuestionBank bank;
    bank.open(fixture.path(), fixture.index());
    const QStringList expected = bank.readText(1, 2);
    ASSERT_EQ(expected.size(), 7);
    EXPECT_EQ(expected[5], QStringLiteral("*"));
    for (int q = 3; q <= 6; ++q)
        EXPECT_EQ(bank.readText(1, q), expected) << "question " << q;
}

TEST(QuestionBank, ZeroByteEndsTheText)
{
    QByteArray text = compileQuestion(question(2, 1, {QStringLiteral("а"), QStringLiteral("б")}, 1)).text;
    const QStringList clean = splitBlockLines(text);
    text += QByteArray("\0extra line\r\nand more\r\n", 23);
    const QByteArray midLine("1\r\nQues\0tion\r\nmore\r\n", 20);

    FixtureBank fixture;
    fixture.set(2, 1, {text, {}});
    fixture.set(2, 2, {midLine, {}});
    fixture.write();
    QuestionBank bank;
    bank.open(fixture.path(), fixture.index());
    EXPECT_EQ(bank.readText(2, 1), clean);
    const QStringList cut = bank.readText(2, 2);
    ASSERT_EQ(cut.size(), 2);
    EXPECT_EQ(cut[0], QStringLiteral("1"));
    EXPECT_EQ(cut[1], QStringLiteral("Ques"));
}

TEST(QuestionBank, BadIndexEntriesGiveClearErrorsWithoutReadingOutside)
{
    FixtureBank fixture;
    fixture.write();
    const auto size = static_cast<std::int32_t>(fixture.compiled().data.size());
    auto &index = fixture.index();
    index[row(3, 1)] = {0, BankReadBufferSize + 1, 0, 0};           // longer than the buffer
    index[row(3, 2)] = {size - 10, 50, 0, 0};                       // runs past the end of the file
    index[row(3, 3)] = {size + 1000, 10, 0, 0};                     // starts past the end
    index[row(3, 4)] = {-5, 10, 0, 0};                              // negative offset
    index[row(3, 5)] = {0, 10, 20, BankReadBufferSize + 1};         // picture longer than the buffer
    index[row(3, 6)] = {0, 10, size - 4, 100};                      // picture past the end
    index[row(3, 7)] = {0, BankReadBufferSize, 0, 0};               // exactly the buffer: fine if the file has it

    QuestionBank bank;
    bank.open(fixture.path(), index);
    EXPECT_NE(errorText([&] { bank.readText(3, 1); }).find("30001 bytes exceeds the 30000-byte read buffer"), std::string::npos);
    EXPECT_EQ(errorText([&] { bank.readText(3, 2); }), "Read beyond end of file");
    EXPECT_EQ(errorText([&] { bank.readText(3, 3); }), "Read beyond end of file");
    EXPECT_EQ(errorText([&] { bank.readText(3, 4); }), "Invalid question index entry");
    EXPECT_NE(errorText([&] { bank.readPicture(3, 5); }).find("exceeds the 30000-byte read buffer"), std::string::npos);
    EXPECT_EQ(errorText([&] { bank.readPicture(3, 6); }), "Read beyond end of file");
    ASSERT_GE(size, BankReadBufferSize);
    EXPECT_EQ(errorText([&] { bank.readText(3, 7); }), "(no error)");

    try {
        bank.readText(3, 2);
        FAIL() << "no error";
    } catch (const InOutError &e) {
        EXPECT_EQ(e.code(), IoCode::ReadBeyondEnd);
    }
}

TEST(QuestionBank, TicketAndQuestionOutOfRange)
{
    FixtureBank fixture;
    fixture.write();
    QuestionBank bank;
    bank.open(fixture.path(), fixture.index());
    const std::pair<int, int> outside[] = {{0, 1}, {41, 1}, {1, 0}, {1, 21}, {-3, 5}, {40, 21}};
    for (const auto &[t, q] : outside) {
        EXPECT_THROW(bank.readText(t, q), ListIndexError) << t << "." << q;
        EXPECT_THROW(bank.hasPicture(t, q), ListIndexError) << t << "." << q;
        EXPECT_THROW(bank.readPicture(t, q), ListIndexError) << t << "." << q;
    }
    EXPECT_EQ(errorText([&] { bank.readText(41, 1); }), "List index out of bounds (800)");
    EXPECT_NO_THROW(bank.readText(40, 20));
    EXPECT_NO_THROW(bank.readText(1, 1));
}

TEST(QuestionBank, PicturesDecodeAndJpegFaultsNameLibjpegsCode)
{
    const QByteArray jpeg = makeJpeg(353, 137);
    ASSERT_FALSE(jpeg.isEmpty());
    FixtureBank fixture;
    SourceQuestion withPicture = question(5, 5, {QStringLiteral("а"), QStringLiteral("б")}, 1);
    withPicture.picture = jpeg;
    fixture.set(5, 5, compileQuestion(withPicture));
    // Raw entries: the compiler would refuse these pictures.
    const QByteArray text = compileQuestion(question(5, 6, {QStringLiteral("а"), QStringLiteral("б")}, 1)).text;
    fixture.set(5, 6, {text, QByteArray("this is not a JPEG picture")});
    fixture.set(5, 7, {text, jpeg.left(200)}); // cut short inside the header tables
    fixture.write();
    auto &index = fixture.index();
    index[row(5, 8)].imageOffset = index[row(5, 8)].textOffset + 1; // a picture of no bytes
    index[row(5, 8)].imageLength = 0;

    QuestionBank bank;
    bank.open(fixture.path(), index);
    ASSERT_TRUE(bank.hasPicture(5, 5));
    const QImage image = bank.readPicture(5, 5);
    EXPECT_EQ(image.size(), QSize(353, 137));
    // The top-left quarter was painted red.
    EXPECT_GT(qRed(image.pixel(10, 10)), 180);
    EXPECT_LT(qBlue(image.pixel(10, 10)), 90);

    try {
        bank.readPicture(5, 6);
        FAIL() << "not a JPEG was accepted";
    } catch (const JpegError &e) {
        EXPECT_EQ(e.msgCode(), JERR_NO_SOI);
        EXPECT_EQ(std::string(e.what()), "JPEG error #" + std::to_string(JERR_NO_SOI));
    }
    EXPECT_EQ(errorText([&] { bank.readPicture(5, 7); }).rfind("JPEG error #", 0), 0u);
    ASSERT_TRUE(bank.hasPicture(5, 8));
    EXPECT_EQ(errorText([&] { bank.readPicture(5, 8); }), "JPEG error #" + std::to_string(JERR_INPUT_EMPTY));
}

TEST(QuestionBank, OpensAWriteProtectedFileAndReportsAMissingOne)
{
    FixtureBank fixture;
    fixture.write();
    ASSERT_EQ(::chmod(fixture.path().c_str(), 0444), 0);
    QuestionBank bank;
    EXPECT_NO_THROW(bank.open(fixture.path(), fixture.index()));
    EXPECT_EQ(bank.readText(1, 1)[1], QStringLiteral("Вопрос 1.1: что делать?"));
    bank.close();
    EXPECT_FALSE(bank.isOpen());
    EXPECT_EQ(errorText([&] { bank.readText(1, 1); }), "I/O error 103");

    QuestionBank missing;
    EXPECT_EQ(errorText([&] { missing.open(fixture.path() + ".none", fixture.index()); }), "File not found");
    EXPECT_FALSE(missing.isOpen());

    std::vector<QuestionIndexEntry> shortIndex(fixture.index().begin(), fixture.index().end() - 1);
    EXPECT_THROW(missing.open(fixture.path(), shortIndex), AppError);
}

TEST(QuestionBank, RefusesAFolderOrAPipeNamedLikeTheBankWithoutBlocking)
{
    FixtureBank fixture;
    fixture.write();
    const std::string folder = fixture.path() + ".d";
    const std::string pipe = fixture.path() + ".fifo";
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    QuestionBank bank;
    EXPECT_EQ(errorText([&] { bank.open(folder, fixture.index()); }), "File access denied");
    EXPECT_EQ(errorText([&] { bank.open(pipe, fixture.index()); }), "File access denied");
    EXPECT_FALSE(bank.isOpen());
    ::rmdir(folder.c_str());
    ::unlink(pipe.c_str());
}
