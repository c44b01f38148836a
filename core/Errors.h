// Every failure is an exception whose what() is the exact text the learner sees (UTF-8).
#pragma once

#include <stdexcept>
#include <string>

class AppError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// File operations; code is the error number the text is chosen by.
class InOutError : public AppError {
public:
    explicit InOutError(int code);
    int code() const { return code_; }
    static std::string textFor(int code);
private:
    int code_;
};

namespace IoCode {
constexpr int FileNotFound = 2;
constexpr int InvalidFilename = 3;
constexpr int TooManyOpenFiles = 4;
constexpr int AccessDenied = 5;
constexpr int ReadBeyondEnd = 100;
constexpr int DiskFull = 101;
constexpr int FileNotAssigned = 102;
constexpr int FileNotOpen = 103;
constexpr int InvalidNumericInput = 106;
}

// Maps an errno value onto the file error numbers above.
int ioCodeFromErrno(int err);
[[noreturn]] void raiseErrno(int err);

class ConvertError : public AppError {
public:
    explicit ConvertError(const std::string &text); // the offending line, UTF-8
};

class ListIndexError : public AppError {
public:
    explicit ListIndexError(int index);
};

class JpegError : public AppError {
public:
    explicit JpegError(int msgCode);
    int msgCode() const { return msgCode_; }
private:
    int msgCode_;
};
