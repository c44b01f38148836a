#include "ResultsStore.h"

#include "Errors.h"

#include <cerrno>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Owns one descriptor for the length of one operation.
class File {
public:
    explicit File(int fd) : fd_(fd) {}
    ~File()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    File(const File &) = delete;
    File &operator=(const File &) = delete;
    int fd() const { return fd_; }
    // A close that fails after a write may have lost the data: report it.
    void close()
    {
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0 && errno != EINTR)
            raiseErrno(errno);
    }

private:
    int fd_;
};

int openOrThrow(const std::string &name, int flags)
{
    if (name.empty())
        throw InOutError(IoCode::FileNotAssigned);
    int fd;
    do {
        fd = ::open(name.c_str(), flags | O_CLOEXEC, 0644);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        raiseErrno(errno);
    return fd;
}

void writeAll(int fd, const std::uint8_t *bytes, std::size_t count)
{
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::pwrite(fd, bytes + done, count - done, static_cast<off_t>(done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            raiseErrno(errno);
        }
        if (n == 0)
            throw InOutError(IoCode::DiskFull);
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0)
        raiseErrno(errno);
}

void checkTicket(int ticket)
{
    if (ticket < 1 || ticket > TicketCount)
        throw std::out_of_range("ticket number out of range");
}

} // namespace

std::array<std::uint8_t, ResultsRecordSize> encodeRecord(const ResultsRecord &record)
{
    std::array<std::uint8_t, ResultsRecordSize> bytes{};
    for (int i = 0; i < 8; ++i)
        bytes[i] = record.reserved[i];
    for (int t = 0; t < TicketCount; ++t) {
        const auto v = static_cast<std::uint32_t>(record.statuses[t]);
        for (int b = 0; b < 4; ++b)
            bytes[8 + 4 * t + b] = static_cast<std::uint8_t>(v >> (8 * b));
    }
    return bytes;
}

ResultsRecord decodeRecord(const std::uint8_t *bytes, std::size_t count)
{
    std::array<std::uint8_t, ResultsRecordSize> full{};
    for (std::size_t i = 0; i < count && i < full.size(); ++i)
        full[i] = bytes[i];
    ResultsRecord record;
    for (int i = 0; i < 8; ++i)
        record.reserved[i] = full[i];
    for (int t = 0; t < TicketCount; ++t) {
        std::uint32_t v = 0;
        for (int b = 0; b < 4; ++b)
            v |= static_cast<std::uint32_t>(full[8 + 4 * t + b]) << (8 * b);
        record.statuses[t] = static_cast<std::int32_t>(v);
    }
    return record;
}

void ResultsStore::loadOrCreate()
{
    if (fileName_.empty())
        throw InOutError(IoCode::FileNotAssigned);
    struct stat st {};
    if (::stat(fileName_.c_str(), &st) != 0 && errno == ENOENT) {
        File file(openOrThrow(fileName_, O_RDWR | O_CREAT | O_EXCL));
        const auto bytes = encodeRecord(record_);
        writeAll(file.fd(), bytes.data(), bytes.size());
        file.close();
        return;
    }
    // Opened for writing too: a write-protected results file is refused here.
    File file(openOrThrow(fileName_, O_RDWR));
    std::array<std::uint8_t, ResultsRecordSize> bytes{};
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::pread(file.fd(), bytes.data() + got, bytes.size() - got, static_cast<off_t>(got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            raiseErrno(errno);
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    // What was read stays, even when the file is short.
    record_ = decodeRecord(bytes.data(), got);
    if (got < bytes.size())
        throw InOutError(IoCode::ReadBeyondEnd);
    file.close();
}

void ResultsStore::save()
{
    // Never created here: it exists since start-up, and a removed file is an error.
    File file(openOrThrow(fileName_, O_RDWR));
    const auto bytes = encodeRecord(record_);
    writeAll(file.fd(), bytes.data(), bytes.size());
    file.close();
}

void ResultsStore::reset()
{
    record_.statuses.fill(NotTaken);
    save();
}

std::int32_t ResultsStore::status(int ticket) const
{
    checkTicket(ticket);
    return record_.statuses[ticket - 1];
}

void ResultsStore::setStatus(int ticket, std::int32_t status)
{
    checkTicket(ticket);
    record_.statuses[ticket - 1] = status;
}
