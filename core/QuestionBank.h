// The question bank: data.dat read through a built-in index. Nothing is cached.
#pragma once

#include "Types.h"

#include <QByteArray>
#include <QImage>
#include <QStringList>
#include <span>
#include <string>

constexpr int BankReadBufferSize = 30000;

// The index the program is built with (generated from bank/ at build time).
extern const QuestionIndexEntry QuestionIndex[QuestionCount];

// Splits a text block's bytes (Windows-1251) into lines at CR LF, lone CR or lone LF;
// a zero byte ends the text.
QStringList splitBlockLines(const QByteArray &bytes);

class QuestionBank {
public:
    QuestionBank() = default;
    ~QuestionBank();
    QuestionBank(const QuestionBank &) = delete;
    QuestionBank &operator=(const QuestionBank &) = delete;

    // Opens the file read-only; index must hold QuestionCount entries and outlive the bank.
    void open(const std::string &path, std::span<const QuestionIndexEntry> index);
    void close();
    bool isOpen() const { return fd_ >= 0; }

    // ticket 1..40, question 1..20; anything else throws ListIndexError.
    QStringList readText(int ticket, int question) const;
    bool hasPicture(int ticket, int question) const;
    QImage readPicture(int ticket, int question) const;

private:
    const QuestionIndexEntry &entry(int ticket, int question) const;
    QByteArray readRange(std::int32_t offset, std::int32_t length) const;

    int fd_ = -1;
    std::span<const QuestionIndexEntry> index_;
};
