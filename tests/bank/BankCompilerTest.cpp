// The bank compiler: what it refuses, how it encodes a block, how it lays out data.dat,
// how it reads the source format, and the bankc tool around it.
#include "BankTestSupport.h"

#include "QuestionBank.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>

using namespace banktest;

namespace {

std::string refusal(const std::function<void()> &f)
{
    try {
        f();
    } catch (const BankError &e) {
        return e.what();
    }
    return "(accepted)";
}

QByteArray cp1251(std::initializer_list<int> bytes)
{
    QByteArray out;
    for (int b : bytes)
        out += static_cast<char>(b);
    return out;
}

} // namespace

// ---------------------------------------------------------------- encoding

TEST(CompileQuestion, EncodesLinesInWindows1251WithCrLf)
{
    SourceQuestion q = validQuestion();
    q.text = QStringLiteral("Ёж №1 — «да»?");
    q.answers = {QStringLiteral("Да"), QStringLiteral("Нет")};
    q.right = 2;
    q.comment = QStringLiteral("ё");
    const BankEntry e = compileQuestion(q);

    QByteArray expected = "2\r\n";
    expected += cp1251({0xA8, 0xE6}) + " " + cp1251({0xB9}) + "1 " + cp1251({0x97}) + " " + cp1251({0xAB, 0xE4, 0xE0, 0xBB})
        + "?\r\n";
    expected += cp1251({0xC4, 0xE0}) + "\r\n";
    expected += cp1251({0xCD, 0xE5, 0xF2}) + "\r\n";
    expected += "*\r\n";
    expected += cp1251({0xB8}) + "\r\n";
    EXPECT_EQ(e.text.toHex(' ').toStdString(), expected.toHex(' ').toStdString());
    EXPECT_TRUE(e.picture.isEmpty());
}

TEST(CompileQuestion, BlockReadsBackThroughTheReadersSplitter)
{
    SourceQuestion q = validQuestion();
    q.answers = {QStringLiteral("5*3"), QStringLiteral("**"), QStringLiteral("* и ещё"), QStringLiteral("а*"),
                 QStringLiteral("б")};
    q.right = 5;
    const QStringList lines = splitBlockLines(compileQuestion(q).text);
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[0], QStringLiteral("5"));
    EXPECT_EQ(lines[1], q.text);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(lines[2 + i], q.answers[i]);
    EXPECT_EQ(lines[7], QStringLiteral("*"));
    EXPECT_EQ(lines[8], q.comment);
}

TEST(CompileQuestion, KeepsThePictureBytesAsGiven)
{
    SourceQuestion q = validQuestion();
    q.picture = makeJpeg();
    ASSERT_FALSE(q.picture.isEmpty());
    EXPECT_EQ(compileQuestion(q).picture, q.picture);
}

TEST(CompileQuestion, BlockSizeLimitIsThirtyThousandBytes)
{
    // Grow the question text until the block is exactly 30,000 bytes (ASCII: one byte a character).
    SourceQuestion q = validQuestion();
    q.text = QStringLiteral("a");
    const qsizetype base = compileQuestion(q).text.size();
    q.text = QString(30000 - base + 1, QLatin1Char('a'));
    EXPECT_EQ(compileQuestion(q).text.size(), 30000);
    q.text += QLatin1Char('a');
    EXPECT_NE(refusal([&] { compileQuestion(q); }).find("the text block is 30001 bytes"), std::string::npos);
}

// ---------------------------------------------------------------- refusals

TEST(CompileQuestion, RefusesEachFaultNamingTicketAndQuestion)
{
    const QByteArray baseline = makeJpeg();
    const QByteArray progressive = makeJpeg(40, 24, true);
    ASSERT_TRUE(isBaselineJpeg(baseline));
    QByteArray noImage = baseline.left(findSegment(baseline, 0xC0));
    noImage += baseline.mid(findSegment(baseline, 0xC0), 2 + 17); // the frame header of a 3-component image
    noImage += "\xFF\xD9";

    struct Case {
        const char *what;
        std::function<void(SourceQuestion &)> change;
        const char *fault;
    };
    const std::vector<Case> cases = {
        {"one answer", [](SourceQuestion &q) { q.answers = {QStringLiteral("a")}; q.right = 1; }, "1 answers"},
        {"six answers", [](SourceQuestion &q) { q.answers = {"a", "b", "c", "d", "e", "f"}; }, "6 answers"},
        {"no answers", [](SourceQuestion &q) { q.answers.clear(); q.right = 1; }, "0 answers"},
        {"right answer missing", [](SourceQuestion &q) { q.right = 0; }, "no right answer"},
        {"right answer past k", [](SourceQuestion &q) { q.right = 4; }, "right answer 4 is outside 1 to 3"},
        {"right answer negative", [](SourceQuestion &q) { q.right = -1; }, "right answer -1"},
        {"comment missing", [](SourceQuestion &q) { q.comment.clear(); }, "comment is missing"},
        {"comment blank", [](SourceQuestion &q) { q.comment = QStringLiteral("   "); }, "comment is missing"},
        {"answer is a lone star", [](SourceQuestion &q) { q.answers[1] = QStringLiteral("*"); }, "answer 2 is a lone \"*\""},
        {"answer empty", [](SourceQuestion &q) { q.answers[2] = QString(); }, "answer 3 is empty"},
        {"question text empty", [](SourceQuestion &q) { q.text.clear(); }, "question text is empty"},
        {"question text blank", [](SourceQuestion &q) { q.text = QStringLiteral(" \t"); }, "question text is empty"},
        {"CJK in the question", [](SourceQuestion &q) { q.text += QChar(0x6F22); }, "U+6F22"},
        {"emoji in an answer", [](SourceQuestion &q) { q.answers[0] += QString::fromUcs4(U"\U0001F600"); }, "answer 1 contains character U+1F600"},
        {"Latin-2 letter in the comment", [](SourceQuestion &q) { q.comment += QChar(0x0159); }, "the comment contains character U+0159"},
        {"LF in the question", [](SourceQuestion &q) { q.text = QStringLiteral("a\nb"); }, "question text contains a line break"},
        {"CR in an answer", [](SourceQuestion &q) { q.answers[0] = QStringLiteral("a\rb"); }, "answer 1 contains a line break"},
        {"CR LF in the comment", [](SourceQuestion &q) { q.comment = QStringLiteral("a\r\nb"); }, "comment contains a line break"},
        {"zero character", [](SourceQuestion &q) { q.answers[1] = QStringLiteral("a") + QChar(0) + QStringLiteral("b"); }, "zero character"},
        {"text block too long", [](SourceQuestion &q) { q.comment = QString(30000, QLatin1Char('x')); }, "text block is"},
        {"picture too long", [](SourceQuestion &q) { q.picture = QByteArray(30001, '\xFF'); }, "picture is 30001 bytes"},
        {"progressive picture", [progressive](SourceQuestion &q) { q.picture = progressive; }, "not a baseline JPEG"},
        {"PNG picture", [](SourceQuestion &q) { q.picture = QByteArray("\x89PNG\r\n\x1a\n0000", 12); }, "not a baseline JPEG"},
        {"picture without image data", [noImage](SourceQuestion &q) { q.picture = noImage; }, "does not decode (JPEG error #"},
        {"ticket 0", [](SourceQuestion &q) { q.ticket = 0; }, "ticket number outside 1 to 40"},
        {"ticket 41", [](SourceQuestion &q) { q.ticket = 41; }, "ticket number outside 1 to 40"},
        {"question 0", [](SourceQuestion &q) { q.question = 0; }, "question number outside 1 to 20"},
        {"question 21", [](SourceQuestion &q) { q.question = 21; }, "question number outside 1 to 20"},
    };
    for (const Case &c : cases) {
        SourceQuestion q = validQuestion(7, 13);
        c.change(q);
        const std::string message = refusal([&] { compileQuestion(q); });
        const std::string who = "ticket " + std::to_string(q.ticket) + ", question " + std::to_string(q.question) + ": ";
        EXPECT_EQ(message.rfind(who, 0), 0u) << c.what << ": " << message;
        EXPECT_NE(message.find(c.fault), std::string::npos) << c.what << ": " << message;
    }
}

TEST(CompileQuestion, AcceptsTheBoundaries)
{
    for (int k = 2; k <= 5; ++k) {
        for (int right = 1; right <= k; ++right) {
            SourceQuestion q = validQuestion();
            q.answers.clear();
            for (int i = 0; i < k; ++i)
                q.answers << QStringLiteral("Ответ %1").arg(i + 1);
            q.right = right;
            EXPECT_EQ(refusal([&] { compileQuestion(q); }), "(accepted)") << k << " answers, right " << right;
        }
    }
    SourceQuestion q = validQuestion(40, 20);
    q.answers = {QStringLiteral(" *"), QStringLiteral("* ")}; // not exactly "*": plain answers
    q.right = 1;
    q.picture = makeJpeg(353, 137);
    EXPECT_EQ(refusal([&] { compileQuestion(q); }), "(accepted)");
}

// ---------------------------------------------------------------- layout

TEST(LayoutBank, BlocksLieBackToBackFromOffsetZero)
{
    std::vector<BankEntry> entries;
    for (int i = 0; i < QuestionCount; ++i) {
        BankEntry e;
        e.text = QByteArray("1\r\nq") + QByteArray::number(i) + "\r\na\r\nb\r\n*\r\nc\r\n";
        if (i % 3 == 1)
            e.picture = QByteArray(100 + i, static_cast<char>('A' + i % 26));
        entries.push_back(e);
    }
    const CompiledBank bank = layoutBank(entries);
    ASSERT_EQ(bank.index.size(), static_cast<std::size_t>(QuestionCount));
    EXPECT_EQ(bank.index[0].textOffset, 0);
    std::int64_t expectedOffset = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QuestionIndexEntry &row = bank.index[i];
        EXPECT_EQ(row.textOffset, expectedOffset) << i;
        EXPECT_EQ(row.textLength, entries[i].text.size()) << i;
        EXPECT_EQ(bank.data.mid(row.textOffset, row.textLength), entries[i].text) << i;
        expectedOffset += row.textLength;
        if (entries[i].picture.isEmpty()) {
            EXPECT_EQ(row.imageOffset, 0) << i;
            EXPECT_EQ(row.imageLength, 0) << i;
        } else {
            EXPECT_EQ(row.imageOffset, row.textOffset + row.textLength) << i;
            EXPECT_EQ(row.imageLength, entries[i].picture.size()) << i;
            EXPECT_EQ(bank.data.mid(row.imageOffset, row.imageLength), entries[i].picture) << i;
            expectedOffset += row.imageLength;
        }
    }
    EXPECT_EQ(bank.data.size(), expectedOffset);
}

TEST(LayoutBank, RefusesWhatTheReaderCannotHold)
{
    const BankEntry plain{QByteArray("1\r\nq\r\na\r\nb\r\n*\r\nc\r\n"), {}};
    std::vector<BankEntry> entries(QuestionCount, plain);

    EXPECT_NE(refusal([&] { layoutBank(std::vector<BankEntry>(799, plain)); }).find("799 questions"), std::string::npos);
    EXPECT_NE(refusal([&] { layoutBank(std::vector<BankEntry>(801, plain)); }).find("801 questions"), std::string::npos);
    EXPECT_EQ(refusal([&] { layoutBank(std::vector<BankEntry>(3, plain), false); }), "(accepted)");

    auto refusedAt = [&](std::size_t i, BankEntry e) {
        std::vector<BankEntry> copy = entries;
        copy[i] = e;
        return refusal([&] { layoutBank(copy); });
    };
    // Entry 45 is ticket 3, question 6.
    EXPECT_NE(refusedAt(45, BankEntry{QByteArray(30001, 'x'), {}}).find("ticket 3, question 6: the text block is 30001"),
              std::string::npos);
    EXPECT_NE(refusedAt(45, BankEntry{plain.text, QByteArray(30001, 'x')}).find("ticket 3, question 6: the picture is 30001"),
              std::string::npos);
    // An empty first block would put a picture at offset 0, which the reader takes for "none".
    EXPECT_NE(refusedAt(0, BankEntry{{}, makeJpeg()}).find("ticket 1, question 1: the text block is empty"), std::string::npos);
    EXPECT_EQ(refusedAt(799, BankEntry{QByteArray(30000, 'x'), QByteArray(30000, 'y')}), "(accepted)");
}

// ---------------------------------------------------------------- baseline JPEG

TEST(IsBaselineJpeg, TellsBaselineFromEverythingElse)
{
    const QByteArray baseline = makeJpeg();
    const QByteArray progressive = makeJpeg(40, 24, true);
    ASSERT_GE(findSegment(baseline, 0xC0), 0);
    ASSERT_GE(findSegment(progressive, 0xC2), 0);
    EXPECT_TRUE(isBaselineJpeg(baseline));
    EXPECT_FALSE(isBaselineJpeg(progressive));

    // Other frame kinds: extended sequential, lossless, arithmetic coded.
    for (const unsigned char sof : {0xC1, 0xC3, 0xC9}) {
        QByteArray other = baseline;
        other[findSegment(baseline, 0xC0) + 1] = static_cast<char>(sof);
        EXPECT_FALSE(isBaselineJpeg(other)) << std::hex << int(sof);
    }

    EXPECT_FALSE(isBaselineJpeg(QByteArray()));
    EXPECT_FALSE(isBaselineJpeg(QByteArray("\xFF\xD8", 2)));
    EXPECT_FALSE(isBaselineJpeg(QByteArray("\xFF\xD8\xFF\xD9", 4)));
    EXPECT_FALSE(isBaselineJpeg(QByteArray("not a jpeg at all")));
    EXPECT_FALSE(isBaselineJpeg(baseline.left(findSegment(baseline, 0xC0) + 5))); // cut inside the frame header
    EXPECT_FALSE(isBaselineJpeg(baseline.mid(2)));                               // no SOI

    // A progressive frame header hidden inside a comment is only comment text.
    QByteArray commented = baseline;
    commented.insert(2, QByteArray("\xFF\xFE\x00\x06\xFF\xC2\x00\x00", 8));
    EXPECT_TRUE(isBaselineJpeg(commented));
    // Fill bytes before a marker are allowed.
    QByteArray filled = baseline;
    filled.insert(findSegment(baseline, 0xC0), QByteArray("\xFF\xFF", 2));
    EXPECT_TRUE(isBaselineJpeg(filled));
    // A scan before any frame header is no baseline picture.
    EXPECT_FALSE(isBaselineJpeg(QByteArray("\xFF\xD8\xFF\xDA\x00\x02", 6)));
}

// ---------------------------------------------------------------- source format

namespace {

const char *const ExampleSource =
    "\xEF\xBB\xBF# SAMPLE\r\n"
    "question 2\r\n"
    "picture: p.jpg\r\n"
    "? Что означает\r\n"
    "  этот знак?\r\n"
    "- Уступите дорогу\r\n"
    "+ Главная дорога\r\n"
    "\r\n"
    "# a comment line between answers\r\n"
    "- Въезд запрещён, см. #3\r\n"
    "! Знак 2.1 —\r\n"
    "\tглавная дорога.\r\n"
    "\r\n"
    "QUESTION 1\r\n"
    "?  Можно ли?  \r\n"
    "+ Да\r\n"
    "- Нет\r\n"
    "! Можно.\r\n";

} // namespace

TEST(ParseTicketSource, ReadsFieldsContinuationsAndPictures)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray jpeg = makeJpeg();
    ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("p.jpg")), jpeg));

    const auto questions = parseTicketSource(QString::fromUtf8(ExampleSource), 3, QStringLiteral("ticket03.txt"), dir.path());
    ASSERT_EQ(questions.size(), 2u);
    const SourceQuestion &first = questions[0]; // sorted by number
    EXPECT_EQ(first.ticket, 3);
    EXPECT_EQ(first.question, 1);
    EXPECT_EQ(first.text, QStringLiteral("Можно ли?"));
    EXPECT_EQ(first.answers, (QStringList{QStringLiteral("Да"), QStringLiteral("Нет")}));
    EXPECT_EQ(first.right, 1);
    EXPECT_EQ(first.comment, QStringLiteral("Можно."));
    EXPECT_TRUE(first.picture.isEmpty());

    const SourceQuestion &second = questions[1];
    EXPECT_EQ(second.question, 2);
    EXPECT_EQ(second.text, QStringLiteral("Что означает этот знак?"));
    EXPECT_EQ(second.answers,
              (QStringList{QStringLiteral("Уступите дорогу"), QStringLiteral("Главная дорога"), QStringLiteral("Въезд запрещён, см. #3")}));
    EXPECT_EQ(second.right, 2);
    EXPECT_EQ(second.comment, QStringLiteral("Знак 2.1 — главная дорога."));
    EXPECT_EQ(second.picture, jpeg);
}

TEST(ParseTicketSource, ReportsFileLineTicketAndQuestion)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(writeFile(dir.filePath(QStringLiteral("p.jpg")), makeJpeg()));
    struct Case {
        const char *source;
        const char *expected; // prefix of the message
        const char *fault;
    };
    const std::vector<Case> cases = {
        {"? text first\n", "ticket05.txt:1: ticket 5: ", "before the first 'question N'"},
        {"# c\nquestion 21\n", "ticket05.txt:2: ticket 5: ", "'21' is not a question number"},
        {"question x\n", "ticket05.txt:1: ticket 5: ", "'x' is not a question number"},
        {"question 1\n? a\n+ b\n- c\n! d\n\nquestion 1\n", "ticket05.txt:7: ticket 5: ", "question 1 appears twice (first at line 1)"},
        {"question 4\n? a\n+ b\n+ c\n", "ticket05.txt:4: ticket 5, question 4: ", "a second right answer"},
        {"question 4\n? a\n? b\n", "ticket05.txt:3: ticket 5, question 4: ", "a second question text"},
        {"question 4\n- a\n", "ticket05.txt:2: ticket 5, question 4: ", "an answer before the question text"},
        {"question 4\n? a\n- b\n+ c\n! d\n- e\n", "ticket05.txt:6: ticket 5, question 4: ", "an answer after the comment"},
        {"question 4\n? a\n! d\n", "ticket05.txt:3: ticket 5, question 4: ", "the comment must come after the answers"},
        {"question 4\n? a\n- b\n+ c\n! d\n! e\n", "ticket05.txt:6: ticket 5, question 4: ", "a second comment"},
        {"question 4\n? a\n-\n", "ticket05.txt:3: ticket 5, question 4: ", "answer 1 is empty"},
        {"question 4\n?\n", "ticket05.txt:2: ticket 5, question 4: ", "the question text is empty"},
        {"question 4\n? a\n+ b\n- c\n!\n", "ticket05.txt:5: ticket 5, question 4: ", "the comment is empty"},
        {"question 4\n? a\n+b\n", "ticket05.txt:3: ticket 5, question 4: ", "unrecognised line"},
        {"question 4\nanything\n", "ticket05.txt:2: ticket 5, question 4: ", "unrecognised line"},
        {"question 4\n\n  more text\n", "ticket05.txt:3: ticket 5, question 4: ", "none is directly above it"},
        {"question 4\n? a\n\n  more text\n", "ticket05.txt:4: ticket 5, question 4: ", "none is directly above it"},
        {"question 4\npicture: missing.jpg\n", "ticket05.txt:2: ticket 5, question 4: ", "picture 'missing.jpg' cannot be read"},
        {"question 4\npicture: ../p.jpg\n", "ticket05.txt:2: ticket 5, question 4: ", "must be a plain file name"},
        {"question 4\npicture:\n", "ticket05.txt:2: ticket 5, question 4: ", "names no picture"},
        {"question 4\npicture: p.jpg\npicture: p.jpg\n", "ticket05.txt:3: ticket 5, question 4: ", "a second picture line"},
        {"question 4\n? a\npicture: p.jpg\n", "ticket05.txt:3: ticket 5, question 4: ", "belongs before the question text"},
    };
    for (const Case &c : cases) {
        const std::string message = refusal(
            [&] { parseTicketSource(QString::fromUtf8(c.source), 5, QStringLiteral("ticket05.txt"), dir.path()); });
        EXPECT_EQ(message.rfind(c.expected, 0), 0u) << c.source << "-> " << message;
        EXPECT_NE(message.find(c.fault), std::string::npos) << c.source << "-> " << message;
    }
}

// ---------------------------------------------------------------- whole bank folder

namespace {

QString ticketFile(int t)
{
    return QStringLiteral("tickets/ticket%1.txt").arg(t, 2, 10, QLatin1Char('0'));
}

QByteArray questionSource(int t, int q, int answers = 3)
{
    QByteArray s = "question " + QByteArray::number(q) + "\n";
    if (q % 4 == 2)
        s += "picture: p.jpg\n";
    s += "? Вопрос " + QByteArray::number(t) + "." + QByteArray::number(q) + "\n";
    for (int i = 1; i <= answers; ++i)
        s += (i == 1 + q % answers ? "+ " : "- ") + QByteArray("Ответ ") + QByteArray::number(i) + "\n";
    s += "! Комментарий.\n\n";
    return s;
}

QByteArray ticketSource(int t)
{
    QByteArray s = "# Билет " + QByteArray::number(t) + "\n\n";
    for (int q = 1; q <= QuestionsPerTicket; ++q)
        s += questionSource(t, q, 2 + q % 4);
    return s;
}

struct BankFolder {
    QTemporaryDir dir;
    BankFolder()
    {
        EXPECT_TRUE(writeFile(dir.filePath(QStringLiteral("pictures/p.jpg")), makeJpeg()));
        for (int t = 1; t <= TicketCount; ++t)
            EXPECT_TRUE(writeFile(dir.filePath(ticketFile(t)), ticketSource(t)));
    }
    QString path() const { return dir.path(); }
    void write(const QString &name, const QByteArray &bytes) { EXPECT_TRUE(writeFile(dir.filePath(name), bytes)); }
};

} // namespace

TEST(CompileBankDirectory, CompilesAFullBankInTicketOrder)
{
    BankFolder folder;
    const CompiledBank bank = compileBankDirectory(folder.path());
    ASSERT_EQ(bank.index.size(), static_cast<std::size_t>(QuestionCount));
    EXPECT_EQ(bank.index[0].textOffset, 0);
    EXPECT_EQ(bank.index[0].imageOffset, 0);
    const QByteArray jpeg = makeJpeg();
    for (int t = 1; t <= TicketCount; ++t) {
        for (int q = 1; q <= QuestionsPerTicket; ++q) {
            const QuestionIndexEntry &e = bank.index[(t - 1) * QuestionsPerTicket + (q - 1)];
            const QStringList lines = splitBlockLines(bank.data.mid(e.textOffset, e.textLength));
            ASSERT_GE(lines.size(), 2);
            EXPECT_EQ(lines[1], QStringLiteral("Вопрос %1.%2").arg(t).arg(q));
            EXPECT_EQ(e.imageOffset != 0, q % 4 == 2);
            if (e.imageOffset != 0) {
                EXPECT_EQ(bank.data.mid(e.imageOffset, e.imageLength), jpeg);
            }
        }
    }
}

TEST(CompileBankDirectory, RefusesMissingDuplicateAndExtraTicketsAndQuestions)
{
    auto refusedWith = [](const std::function<void(BankFolder &)> &change) {
        BankFolder folder;
        change(folder);
        return refusal([&] { compileBankDirectory(folder.path()); });
    };
    auto contains = [](const std::string &message, const char *part) {
        return message.find(part) != std::string::npos;
    };

    std::string m = refusedWith([](BankFolder &f) { QFile::remove(f.dir.filePath(ticketFile(17))); });
    EXPECT_TRUE(contains(m, "ticket 17: tickets/ticket17.txt is missing")) << m;

    m = refusedWith([](BankFolder &f) { f.write(QStringLiteral("tickets/ticket41.txt"), ticketSource(41)); });
    EXPECT_TRUE(contains(m, "tickets/ticket41.txt: not a ticket file")) << m;

    m = refusedWith([](BankFolder &f) { f.write(QStringLiteral("tickets/ticket5.txt"), ticketSource(5)); });
    EXPECT_TRUE(contains(m, "tickets/ticket5.txt: not a ticket file")) << m;

    m = refusedWith([](BankFolder &f) {
        QByteArray s = ticketSource(9);
        s.replace("question 7\n", "question 6\n");
        f.write(ticketFile(9), s);
    });
    EXPECT_TRUE(contains(m, "tickets/ticket09.txt:")) << m;
    EXPECT_TRUE(contains(m, "ticket 9: question 6 appears twice")) << m;

    m = refusedWith([](BankFolder &f) {
        QByteArray s = ticketSource(12);
        const qsizetype from = s.indexOf("question 20\n");
        f.write(ticketFile(12), s.left(from));
    });
    EXPECT_TRUE(contains(m, "tickets/ticket12.txt: ticket 12, question 20: the question is missing")) << m;

    m = refusedWith([](BankFolder &f) { f.write(ticketFile(40), ticketSource(40) + questionSource(40, 21)); });
    EXPECT_TRUE(contains(m, "ticket 40: '21' is not a question number")) << m;

    // Faults found by the question check carry the file and the line of the question's header.
    m = refusedWith([](BankFolder &f) {
        QByteArray s = ticketSource(3);
        s.replace("? Вопрос 3.1\n", "? Вопрос 3.1\n- лишний 1\n- лишний 2\n- лишний 3\n- лишний 4\n");
        f.write(ticketFile(3), s);
    });
    EXPECT_TRUE(contains(m, "tickets/ticket03.txt:3: ticket 3, question 1: 7 answers")) << m;

    m = refusedWith([](BankFolder &f) { f.write(ticketFile(2), ticketSource(2) + "# \xFF\xFE\n"); });
    EXPECT_TRUE(contains(m, "ticket 2: tickets/ticket02.txt is not valid UTF-8")) << m;

    m = refusedWith([](BankFolder &f) { f.write(QStringLiteral("pictures/p.jpg"), makeJpeg(40, 24, true)); });
    EXPECT_TRUE(contains(m, "ticket 1, question 2: the picture is not a baseline JPEG")) << m;
}

// ---------------------------------------------------------------- generated index

TEST(IndexOutputs, SourceAndTextDescribeTheSameIndex)
{
    BankFolder folder;
    const CompiledBank bank = compileBankDirectory(folder.path());

    const QString source = QString::fromLatin1(indexSource(bank));
    EXPECT_TRUE(source.contains(QStringLiteral("#include \"QuestionBank.h\"")));
    EXPECT_TRUE(source.contains(QStringLiteral("const QuestionIndexEntry QuestionIndex[QuestionCount] = {")));
    static const QRegularExpression row(QStringLiteral("\\{(-?\\d+), (-?\\d+), (-?\\d+), (-?\\d+)\\},"));
    std::vector<QuestionIndexEntry> fromSource;
    for (auto it = row.globalMatch(source); it.hasNext();) {
        const auto m = it.next();
        fromSource.push_back({m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt()});
    }
    ASSERT_EQ(fromSource.size(), bank.index.size());

    const QStringList lines = QString::fromLatin1(indexText(bank)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), QuestionCount);
    for (int i = 0; i < QuestionCount; ++i) {
        const QuestionIndexEntry &e = bank.index[static_cast<std::size_t>(i)];
        EXPECT_EQ(fromSource[static_cast<std::size_t>(i)].textOffset, e.textOffset);
        EXPECT_EQ(fromSource[static_cast<std::size_t>(i)].imageLength, e.imageLength);
        const QStringList f = lines[i].split(QLatin1Char(' '));
        ASSERT_EQ(f.size(), 6) << i;
        EXPECT_EQ(f[0].toInt(), i / QuestionsPerTicket + 1);
        EXPECT_EQ(f[1].toInt(), i % QuestionsPerTicket + 1);
        EXPECT_EQ(f[2].toInt(), e.textOffset);
        EXPECT_EQ(f[3].toInt(), e.textLength);
        EXPECT_EQ(f[4].toInt(), e.imageOffset);
        EXPECT_EQ(f[5].toInt(), e.imageLength);
    }

    CompiledBank partial = bank;
    partial.index.pop_back();
    EXPECT_NE(refusal([&] { indexSource(partial); }).find("799 entries"), std::string::npos);
}

// ---------------------------------------------------------------- the bankc tool

namespace {

int runBankc(const QString &bankDir, const QString &outDir, QByteArray *errors)
{
    const QString errFile = outDir + QStringLiteral("/stderr.txt");
    const QString cmd = QStringLiteral("'%1' '%2' '%3/run/data.dat' '%3/generated/QuestionIndex.cpp' '%3/bank-index.txt' 2>'%4'")
                            .arg(QStringLiteral(BANKC_PATH), bankDir, outDir, errFile);
    const int status = std::system(cmd.toLocal8Bit().constData());
    QFile f(errFile);
    if (f.open(QIODevice::ReadOnly))
        *errors = f.readAll();
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(Bankc, WritesAllThreeOutputsOrNoneOnRefusal)
{
    BankFolder folder;
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    QByteArray errors;
    ASSERT_EQ(runBankc(folder.path(), out.path(), &errors), 0) << errors.toStdString();
    const CompiledBank bank = compileBankDirectory(folder.path());
    auto read = [&](const char *name) {
        QFile f(out.filePath(QString::fromLatin1(name)));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    };
    EXPECT_EQ(read("run/data.dat"), bank.data);
    EXPECT_EQ(read("generated/QuestionIndex.cpp"), indexSource(bank));
    EXPECT_EQ(read("bank-index.txt"), indexText(bank));

    // A refused bank: message on stderr, exit 1, earlier outputs left as they were.
    QByteArray s = ticketSource(8);
    s.replace("? Вопрос 8.5\n", "? Вопрос 8.5\n- *\n");
    folder.write(ticketFile(8), s);
    ASSERT_EQ(runBankc(folder.path(), out.path(), &errors), 1);
    EXPECT_TRUE(errors.contains("ticket 8, question 5: answer 1 is a lone \"*\"")) << errors.toStdString();
    EXPECT_EQ(read("run/data.dat"), bank.data);

    QTemporaryDir fresh;
    ASSERT_EQ(runBankc(folder.path(), fresh.path(), &errors), 1);
    EXPECT_FALSE(QFile::exists(fresh.filePath(QStringLiteral("run/data.dat"))));
    EXPECT_FALSE(QFile::exists(fresh.filePath(QStringLiteral("bank-index.txt"))));
}
