#include "QuestionBank.h"

#include "Errors.h"
#include "Jpeg.h"

#include <QStringDecoder>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QStringList splitBlockLines(const QByteArray &bytes)
{
    qsizetype end = bytes.indexOf('\0');
    if (end < 0)
        end = bytes.size();
    QStringDecoder decode("windows-1251");
    QStringList lines;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < end) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines << decode(QByteArrayView(bytes.constData() + start, i - start));
            if (c == '\r' && i + 1 < end && bytes[i + 1] == '\n')
                ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    // A last line without a line end still counts; a final line end adds no empty line.
    if (start < end)
        lines << decode(QByteArrayView(bytes.constData() + start, end - start));
    return lines;
}

QuestionBank::~QuestionBank()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void QuestionBank::open(const std::string &path, std::span<const QuestionIndexEntry> index)
{
    if (index.size() != static_cast<std::size_t>(QuestionCount))
        throw AppError("The question index must hold 800 entries");
    close();
    // The bank is only ever read: a write-protected data.dat must work. O_NONBLOCK keeps
    // a pipe named data.dat from hanging the open; it means nothing for a plain file.
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        raiseErrno(errno);
    // A folder or a device opens too, but is no bank: refuse it here rather than at
    // every question.
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw InOutError(IoCode::AccessDenied);
    }
    fd_ = fd;
    index_ = index;
}

void QuestionBank::close()
{
    if (fd_ < 0)
        return;
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && errno != EINTR)
        raiseErrno(errno);
}

const QuestionIndexEntry &QuestionBank::entry(int ticket, int question) const
{
    if (ticket < 1 || ticket > TicketCount || question < 1 || question > QuestionsPerTicket) {
        const long long row = static_cast<long long>(ticket - 1) * QuestionsPerTicket + (question - 1);
        throw ListIndexError(static_cast<int>(row));
    }
    return index_[static_cast<std::size_t>((ticket - 1) * QuestionsPerTicket + (question - 1))];
}

QByteArray QuestionBank::readRange(std::int32_t offset, std::int32_t length) const
{
    if (fd_ < 0)
        throw InOutError(IoCode::FileNotOpen);
    if (offset < 0 || length < 0)
        throw AppError("Invalid question index entry");
    // Everything goes through the one fixed-size buffer; a longer entry would overrun it.
    if (length > BankReadBufferSize)
        throw AppError("Question block of " + std::to_string(length) + " bytes exceeds the "
                       + std::to_string(BankReadBufferSize) + "-byte read buffer");
    std::array<char, BankReadBufferSize> buffer;
    std::size_t got = 0;
    const auto want = static_cast<std::size_t>(length);
    while (got < want) {
        const ssize_t n = ::pread(fd_, buffer.data() + got, want - got, static_cast<off_t>(offset) + static_cast<off_t>(got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            raiseErrno(errno);
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    if (got < want)
        throw InOutError(IoCode::ReadBeyondEnd);
    return QByteArray(buffer.data(), static_cast<qsizetype>(got));
}

QStringList QuestionBank::readText(int ticket, int question) const
{
    const QuestionIndexEntry &e = entry(ticket, question);
    return splitBlockLines(readRange(e.textOffset, e.textLength));
}

bool QuestionBank::hasPicture(int ticket, int question) const
{
    return entry(ticket, question).imageOffset != 0;
}

QImage QuestionBank::readPicture(int ticket, int question) const
{
    const QuestionIndexEntry &e = entry(ticket, question);
    const QByteArray bytes = readRange(e.imageOffset, e.imageLength);
    return decodeJpeg(reinterpret_cast<const unsigned char *>(bytes.constData()),
                      static_cast<std::size_t>(bytes.size()));
}
