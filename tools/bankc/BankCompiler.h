// Turns the bank's source (one UTF-8 file per ticket, pictures beside them) into
// data.dat and the index the program is built with.
#pragma once

#include "Types.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

struct SourceQuestion {
    int ticket = 0;      // 1..40
    int question = 0;    // 1..20
    QString text;
    QStringList answers; // 2..5
    int right = 0;       // 1..answers.size()
    QString comment;
    QByteArray picture;  // baseline JPEG bytes; empty for none
};

// One question as it goes into data.dat: its text block, then its picture.
struct BankEntry {
    QByteArray text;
    QByteArray picture;
};

struct CompiledBank {
    QByteArray data;                       // the whole data.dat
    std::vector<QuestionIndexEntry> index; // one entry per BankEntry, in order
};

// The message names ticket, question and fault.
class BankError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Checks one question and encodes its block in Windows-1251 with CR LF line ends.
BankEntry compileQuestion(const SourceQuestion &q);

// Lays the entries back to back from offset 0, each text block followed by its picture.
// Refuses blocks or pictures over 30,000 bytes and a picture at offset 0; with
// requireFullBank, anything but exactly 800 entries.
CompiledBank layoutBank(const std::vector<BankEntry> &entries, bool requireFullBank = true);

// True for a JPEG whose frame is baseline (SOF0).
bool isBaselineJpeg(const QByteArray &bytes);

// Parses one ticket's source; pictures are read from pictureDir.
std::vector<SourceQuestion> parseTicketSource(const QString &sourceText, int ticket,
                                              const QString &fileName, const QString &pictureDir);

// Reads a whole bank folder (40 ticket files) and compiles it.
CompiledBank compileBankDirectory(const QString &dir);

// The generated C++ source defining QuestionIndex, and the text index
// ("ticket question text_offset text_length image_offset image_length", one line each).
QByteArray indexSource(const CompiledBank &bank);
QByteArray indexText(const CompiledBank &bank);
