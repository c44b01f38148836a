#include "BankCompiler.h"

#include "Errors.h"
#include "Jpeg.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringEncoder>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <set>

namespace {

// Every text block and every picture goes through the reader's one 30,000-byte buffer.
constexpr qsizetype MaxPieceSize = 30000;
constexpr int MinAnswers = 2;
constexpr int MaxAnswers = 5;

QString where(int ticket, int question)
{
    return QStringLiteral("ticket %1, question %2").arg(ticket).arg(question);
}

[[noreturn]] void refuse(int ticket, int question, const QString &fault)
{
    throw BankError((where(ticket, question) + QStringLiteral(": ") + fault).toStdString());
}

// Where entry i of a laid-out bank belongs; entries past 800 have no ticket of their own.
QString whereEntry(std::size_t i)
{
    if (i < static_cast<std::size_t>(QuestionCount))
        return where(static_cast<int>(i) / QuestionsPerTicket + 1, static_cast<int>(i) % QuestionsPerTicket + 1);
    return QStringLiteral("entry %1").arg(i + 1);
}

QString describeChar(char32_t c)
{
    return QStringLiteral("U+") + QStringLiteral("%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper();
}

// One field becomes exactly one line of the block: no line ends, no zero byte (it would
// end the block early), and nothing Windows-1251 cannot hold.
QByteArray encodeField(int ticket, int question, const QString &name, const QString &text)
{
    for (const QChar ch : text) {
        if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n'))
            refuse(ticket, question, name + QStringLiteral(" contains a line break"));
        if (ch == QChar(0))
            refuse(ticket, question, name + QStringLiteral(" contains a zero character"));
    }
    QStringEncoder encode("windows-1251");
    const QByteArray bytes = encode(text);
    if (encode.hasError() || !encode.isValid()) {
        // Name the first character that has no Windows-1251 byte.
        for (const char32_t c : text.toUcs4()) {
            QStringEncoder one("windows-1251");
            // The encoder works lazily: only converting its result encodes anything.
            const QByteArray probe = one(QString::fromUcs4(&c, 1));
            (void)probe;
            if (one.hasError())
                refuse(ticket, question, name + QStringLiteral(" contains character ") + describeChar(c)
                                             + QStringLiteral(", which Windows-1251 cannot hold"));
        }
        refuse(ticket, question, name + QStringLiteral(" cannot be written in Windows-1251"));
    }
    return bytes;
}

bool isFrameMarker(unsigned char m)
{
    // SOF0..SOF15, leaving out DHT (C4), JPG (C8) and DAC (CC).
    return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
}

QString fileLine(const QString &fileName, int line)
{
    return fileName + QLatin1Char(':') + QString::number(line) + QStringLiteral(": ");
}

// A picture name is a plain file name inside the pictures folder, nothing more.
bool isPlainFileName(const QString &name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_][A-Za-z0-9_.-]*$"));
    return plain.match(name).hasMatch() && !name.contains(QStringLiteral(".."));
}

struct ParsedTicket {
    std::vector<SourceQuestion> questions; // in question order
    std::map<int, int> headerLines;        // question number -> line of its header
};

ParsedTicket parseTicket(const QString &sourceText, int ticket, const QString &fileName, const QString &pictureDir)
{
    ParsedTicket result;
    std::map<int, SourceQuestion> questions;

    enum class Field { None, Text, Answer, Comment };
    SourceQuestion *current = nullptr;
    Field lastField = Field::None; // the field a continuation line would extend
    bool rightSeen = false;
    bool pictureSeen = false;
    bool commentSeen = false;

    static const QRegularExpression header(QStringLiteral("^question\\s+(\\S+)\\s*$"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression picture(QStringLiteral("^picture:\\s*(.*)$"),
                                            QRegularExpression::CaseInsensitiveOption);

    QString text = sourceText;
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = text.split(QLatin1Char('\n'));

    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        const QString &raw = lines[i];
        const QString trimmed = raw.trimmed();
        const QString at = fileLine(fileName, lineNo);
        auto fail = [&](const QString &fault) -> void {
            const QString who = current ? where(ticket, current->question) : QStringLiteral("ticket %1").arg(ticket);
            throw BankError((at + who + QStringLiteral(": ") + fault).toStdString());
        };

        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) {
            lastField = Field::None;
            continue;
        }

        // A line that starts with a blank carries on the text line just above it.
        if (raw.front().isSpace()) {
            if (lastField == Field::None)
                fail(QStringLiteral("an indented line continues a text line, but none is directly above it"));
            QString *target = nullptr;
            if (lastField == Field::Text)
                target = &current->text;
            else if (lastField == Field::Answer)
                target = &current->answers.last();
            else
                target = &current->comment;
            *target += QLatin1Char(' ') + trimmed;
            continue;
        }
        lastField = Field::None;

        if (const auto m = header.match(trimmed); m.hasMatch()) {
            bool ok = false;
            const int number = m.captured(1).toInt(&ok);
            if (!ok || number < 1 || number > QuestionsPerTicket) {
                current = nullptr;
                fail(QStringLiteral("'%1' is not a question number from 1 to %2").arg(m.captured(1)).arg(QuestionsPerTicket));
            }
            if (const auto it = result.headerLines.find(number); it != result.headerLines.end()) {
                current = nullptr;
                fail(QStringLiteral("question %1 appears twice (first at line %2)").arg(number).arg(it->second));
            }
            result.headerLines[number] = lineNo;
            SourceQuestion &q = questions[number];
            q.ticket = ticket;
            q.question = number;
            current = &q;
            rightSeen = pictureSeen = commentSeen = false;
            continue;
        }

        if (!current)
            fail(QStringLiteral("text before the first 'question N' line"));

        if (const auto m = picture.match(trimmed); m.hasMatch()) {
            const QString name = m.captured(1).trimmed();
            if (pictureSeen)
                fail(QStringLiteral("a second picture line"));
            if (!current->text.isEmpty())
                fail(QStringLiteral("the picture line belongs before the question text"));
            if (name.isEmpty())
                fail(QStringLiteral("the picture line names no picture"));
            if (!isPlainFileName(name))
                fail(QStringLiteral("picture name '%1' must be a plain file name (letters, digits, '.', '_', '-')").arg(name));
            QFile file(QDir(pictureDir).filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                fail(QStringLiteral("picture '%1' cannot be read from %2").arg(name, pictureDir));
            current->picture = file.readAll();
            if (current->picture.isEmpty())
                fail(QStringLiteral("picture '%1' is empty").arg(name));
            pictureSeen = true;
            continue;
        }

        const QChar marker = trimmed.front();
        const bool markerLine = (marker == QLatin1Char('?') || marker == QLatin1Char('-') || marker == QLatin1Char('+')
                                 || marker == QLatin1Char('!'))
                                && (trimmed.size() == 1 || trimmed[1].isSpace());
        if (!markerLine)
            fail(QStringLiteral("unrecognised line; expected 'question N', 'picture: NAME', or a line starting "
                                "with '? ', '- ', '+ ', '! ' or '#'"));
        const QString value = trimmed.mid(1).trimmed();

        if (marker == QLatin1Char('?')) {
            if (!current->text.isEmpty())
                fail(QStringLiteral("a second question text (long text goes on indented lines)"));
            if (!current->answers.isEmpty() || commentSeen)
                fail(QStringLiteral("the question text must come before the answers and the comment"));
            if (value.isEmpty())
                fail(QStringLiteral("the question text is empty"));
            current->text = value;
            lastField = Field::Text;
        } else if (marker == QLatin1Char('-') || marker == QLatin1Char('+')) {
            if (current->text.isEmpty())
                fail(QStringLiteral("an answer before the question text ('? ...')"));
            if (commentSeen)
                fail(QStringLiteral("an answer after the comment (is a 'question N' line missing?)"));
            if (value.isEmpty())
                fail(QStringLiteral("answer %1 is empty").arg(current->answers.size() + 1));
            current->answers << value;
            if (marker == QLatin1Char('+')) {
                if (rightSeen)
                    fail(QStringLiteral("a second right answer ('+'); exactly one answer is right"));
                rightSeen = true;
                current->right = static_cast<int>(current->answers.size());
            }
            lastField = Field::Answer;
        } else {
            if (commentSeen)
                fail(QStringLiteral("a second comment (long text goes on indented lines)"));
            if (current->answers.isEmpty())
                fail(QStringLiteral("the comment must come after the answers"));
            if (value.isEmpty())
                fail(QStringLiteral("the comment is empty"));
            current->comment = value;
            commentSeen = true;
            lastField = Field::Comment;
        }
    }

    for (auto &[number, q] : questions)
        result.questions.push_back(std::move(q));
    return result;
}

} // namespace

BankEntry compileQuestion(const SourceQuestion &q)
{
    const int t = q.ticket;
    const int n = q.question;
    if (t < 1 || t > TicketCount)
        refuse(t, n, QStringLiteral("ticket number outside 1 to %1").arg(TicketCount));
    if (n < 1 || n > QuestionsPerTicket)
        refuse(t, n, QStringLiteral("question number outside 1 to %1").arg(QuestionsPerTicket));
    if (q.text.trimmed().isEmpty())
        refuse(t, n, QStringLiteral("the question text is empty"));
    const auto k = static_cast<int>(q.answers.size());
    if (k < MinAnswers || k > MaxAnswers)
        refuse(t, n, QStringLiteral("%1 answers; a question has %2 to %3").arg(k).arg(MinAnswers).arg(MaxAnswers));
    if (q.right == 0)
        refuse(t, n, QStringLiteral("no right answer is marked"));
    if (q.right < 1 || q.right > k)
        refuse(t, n, QStringLiteral("right answer %1 is outside 1 to %2").arg(q.right).arg(k));
    if (q.comment.trimmed().isEmpty())
        refuse(t, n, QStringLiteral("the comment is missing"));

    static const QByteArray lineEnd("\r\n");
    QByteArray block = QByteArray::number(q.right) + lineEnd;
    block += encodeField(t, n, QStringLiteral("the question text"), q.text) + lineEnd;
    for (int i = 0; i < k; ++i) {
        const QString name = QStringLiteral("answer %1").arg(i + 1);
        const QString &answer = q.answers[i];
        if (answer.trimmed().isEmpty())
            refuse(t, n, name + QStringLiteral(" is empty"));
        // A lone "*" is the end-of-answers line: the reader would cut the answers there.
        if (answer == QStringLiteral("*"))
            refuse(t, n, name + QStringLiteral(" is a lone \"*\", which marks the end of the answers"));
        block += encodeField(t, n, name, answer) + lineEnd;
    }
    block += "*" + lineEnd;
    block += encodeField(t, n, QStringLiteral("the comment"), q.comment) + lineEnd;

    if (block.size() > MaxPieceSize)
        refuse(t, n, QStringLiteral("the text block is %1 bytes; at most %2 fit").arg(block.size()).arg(MaxPieceSize));

    if (!q.picture.isEmpty()) {
        if (q.picture.size() > MaxPieceSize)
            refuse(t, n, QStringLiteral("the picture is %1 bytes; at most %2 fit").arg(q.picture.size()).arg(MaxPieceSize));
        if (!isBaselineJpeg(q.picture))
            refuse(t, n, QStringLiteral("the picture is not a baseline JPEG"));
        try {
            (void)decodeJpeg(reinterpret_cast<const unsigned char *>(q.picture.constData()),
                             static_cast<std::size_t>(q.picture.size()));
        } catch (const JpegError &e) {
            refuse(t, n, QStringLiteral("the picture does not decode (%1)").arg(QString::fromUtf8(e.what())));
        }
    }
    return BankEntry{block, q.picture};
}

CompiledBank layoutBank(const std::vector<BankEntry> &entries, bool requireFullBank)
{
    if (requireFullBank && entries.size() != static_cast<std::size_t>(QuestionCount))
        throw BankError(QStringLiteral("the bank holds %1 questions; it must hold %2 (%3 tickets of %4)")
                            .arg(entries.size())
                            .arg(QuestionCount)
                            .arg(TicketCount)
                            .arg(QuestionsPerTicket)
                            .toStdString());
    CompiledBank bank;
    bank.index.reserve(entries.size());
    std::int64_t offset = 0;
    auto fail = [](std::size_t i, const QString &fault) {
        throw BankError((whereEntry(i) + QStringLiteral(": ") + fault).toStdString());
    };
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const BankEntry &e = entries[i];
        if (e.text.isEmpty())
            fail(i, QStringLiteral("the text block is empty"));
        if (e.text.size() > MaxPieceSize)
            fail(i, QStringLiteral("the text block is %1 bytes; at most %2 fit").arg(e.text.size()).arg(MaxPieceSize));
        if (e.picture.size() > MaxPieceSize)
            fail(i, QStringLiteral("the picture is %1 bytes; at most %2 fit").arg(e.picture.size()).arg(MaxPieceSize));
        const std::int64_t end = offset + e.text.size() + e.picture.size();
        if (end > std::numeric_limits<std::int32_t>::max())
            fail(i, QStringLiteral("the data file would outgrow 32-bit offsets"));

        QuestionIndexEntry row{};
        row.textOffset = static_cast<std::int32_t>(offset);
        row.textLength = static_cast<std::int32_t>(e.text.size());
        offset += e.text.size();
        if (!e.picture.isEmpty()) {
            // Offset 0 stands for "no picture"; a text block always comes first, but say so plainly.
            if (offset == 0)
                fail(i, QStringLiteral("a picture would start at offset 0, which means no picture"));
            row.imageOffset = static_cast<std::int32_t>(offset);
            row.imageLength = static_cast<std::int32_t>(e.picture.size());
            offset += e.picture.size();
        }
        bank.index.push_back(row);
    }
    bank.data.reserve(static_cast<qsizetype>(offset));
    for (const BankEntry &e : entries) {
        bank.data += e.text;
        bank.data += e.picture;
    }
    return bank;
}

bool isBaselineJpeg(const QByteArray &bytes)
{
    const auto *b = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype size = bytes.size();
    if (size < 4 || b[0] != 0xFF || b[1] != 0xD8)
        return false;
    qsizetype pos = 2;
    while (pos < size) {
        if (b[pos] != 0xFF)
            return false;
        while (pos < size && b[pos] == 0xFF) // fill bytes before a marker
            ++pos;
        if (pos >= size)
            return false;
        const unsigned char marker = b[pos++];
        if (marker == 0x00 || marker == 0xD8 || marker == 0xD9 || marker == 0xDA)
            return false; // no frame header before the scan or the end
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue; // markers without a length
        if (pos + 2 > size)
            return false;
        const int length = (b[pos] << 8) | b[pos + 1];
        if (length < 2 || pos + length > size)
            return false;
        if (isFrameMarker(marker)) {
            if (marker != 0xC0)
                return false;
            // Precision, height, width, component count, then three bytes per component.
            if (length < 8)
                return false;
            const int precision = b[pos + 2];
            const int components = b[pos + 7];
            return precision == 8 && components >= 1 && length == 8 + 3 * components;
        }
        pos += length;
    }
    return false;
}

std::vector<SourceQuestion> parseTicketSource(const QString &sourceText, int ticket, const QString &fileName,
                                              const QString &pictureDir)
{
    return parseTicket(sourceText, ticket, fileName, pictureDir).questions;
}

CompiledBank compileBankDirectory(const QString &dir)
{
    const QDir root(dir);
    const QDir ticketDir(root.filePath(QStringLiteral("tickets")));
    const QString pictureDir = root.filePath(QStringLiteral("pictures"));
    if (!ticketDir.exists())
        throw BankError(QStringLiteral("%1: no tickets folder").arg(ticketDir.path()).toStdString());

    auto ticketFileName = [](int t) { return QStringLiteral("ticket%1.txt").arg(t, 2, 10, QLatin1Char('0')); };

    // Anything else in the tickets folder is most likely a misnamed ticket: refuse it.
    std::set<QString> expected;
    for (int t = 1; t <= TicketCount; ++t)
        expected.insert(ticketFileName(t));
    const QStringList present = ticketDir.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &name : present) {
        if (!expected.count(name))
            throw BankError(QStringLiteral("tickets/%1: not a ticket file; the tickets are ticket01.txt to ticket%2.txt")
                                .arg(name)
                                .arg(TicketCount)
                                .toStdString());
    }

    std::vector<BankEntry> entries;
    entries.reserve(QuestionCount);
    for (int t = 1; t <= TicketCount; ++t) {
        const QString name = QStringLiteral("tickets/") + ticketFileName(t);
        QFile file(root.filePath(name));
        if (!file.exists())
            throw BankError(QStringLiteral("ticket %1: %2 is missing").arg(t).arg(name).toStdString());
        if (!file.open(QIODevice::ReadOnly))
            throw BankError(QStringLiteral("ticket %1: %2 cannot be read").arg(t).arg(name).toStdString());
        const QByteArray raw = file.readAll();
        QStringDecoder decode(QStringDecoder::Utf8);
        const QString source = decode(raw);
        if (decode.hasError())
            throw BankError(QStringLiteral("ticket %1: %2 is not valid UTF-8").arg(t).arg(name).toStdString());

        const ParsedTicket parsed = parseTicket(source, t, name, pictureDir);
        for (int q = 1; q <= QuestionsPerTicket; ++q) {
            if (!parsed.headerLines.count(q))
                throw BankError((name + QStringLiteral(": ") + where(t, q) + QStringLiteral(": the question is missing"))
                                    .toStdString());
        }
        for (const SourceQuestion &q : parsed.questions) {
            try {
                entries.push_back(compileQuestion(q));
            } catch (const BankError &e) {
                throw BankError((fileLine(name, parsed.headerLines.at(q.question)) + QString::fromUtf8(e.what()))
                                    .toStdString());
            }
        }
    }
    return layoutBank(entries, true);
}

QByteArray indexSource(const CompiledBank &bank)
{
    if (bank.index.size() != static_cast<std::size_t>(QuestionCount))
        throw BankError(QStringLiteral("the index holds %1 entries; the program needs %2")
                            .arg(bank.index.size())
                            .arg(QuestionCount)
                            .toStdString());
    QByteArray out;
    out += "// Generated by bankc from the bank's source files; edit those, not this.\n";
    out += "#include \"QuestionBank.h\"\n\n";
    out += "// text offset, text length, image offset, image length\n";
    out += "const QuestionIndexEntry QuestionIndex[QuestionCount] = {\n";
    for (std::size_t i = 0; i < bank.index.size(); ++i) {
        const QuestionIndexEntry &e = bank.index[i];
        out += QStringLiteral("    {%1, %2, %3, %4}, // %5.%6\n")
                   .arg(e.textOffset)
                   .arg(e.textLength)
                   .arg(e.imageOffset)
                   .arg(e.imageLength)
                   .arg(i / QuestionsPerTicket + 1)
                   .arg(i % QuestionsPerTicket + 1)
                   .toLatin1();
    }
    out += "};\n";
    return out;
}

QByteArray indexText(const CompiledBank &bank)
{
    QByteArray out;
    for (std::size_t i = 0; i < bank.index.size(); ++i) {
        const QuestionIndexEntry &e = bank.index[i];
        out += QStringLiteral("%1 %2 %3 %4 %5 %6\n")
                   .arg(i / QuestionsPerTicket + 1)
                   .arg(i % QuestionsPerTicket + 1)
                   .arg(e.textOffset)
                   .arg(e.textLength)
                   .arg(e.imageOffset)
                   .arg(e.imageLength)
                   .toLatin1();
    }
    return out;
}
