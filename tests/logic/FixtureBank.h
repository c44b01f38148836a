// Made-up banks for the run tests: 800 generated questions compiled by the bank
// compiler, with room for damaged blocks that the compiler would refuse.
#pragma once

#include "BankCompiler.h"

#include <QByteArray>
#include <QString>
#include <map>
#include <utility>
#include <vector>

class FixtureBank {
public:
    FixtureBank();

    // The generated question (t 1..40, q 1..20): two to five answers, a picture on
    // every third question, ticket 1 question 1 without one.
    static SourceQuestion generated(int ticket, int question);
    // A tiny baseline JPEG, width by height pixels.
    static QByteArray jpeg(int width, int height);
    // Windows-1251 bytes of text.
    static QByteArray cp1251(const QString &text);

    // Replaces a question's stored block and picture by raw bytes.
    void setRaw(int ticket, int question, const QByteArray &text, const QByteArray &picture = {});

    const SourceQuestion &question(int ticket, int question) const;
    int right(int ticket, int question) const { return this->question(ticket, question).right; }
    int answerCount(int ticket, int question) const
    {
        return static_cast<int>(this->question(ticket, question).answers.size());
    }
    // A wrong answer that has a button.
    int wrong(int ticket, int question) const
    {
        return right(ticket, question) % answerCount(ticket, question) + 1;
    }

    // Lays the bank out; the index stays valid as long as this object.
    void compile();
    const CompiledBank &compiled() const { return bank_; }
    // Writes data.dat (after compile()).
    void writeData(const QString &path) const;

private:
    std::vector<SourceQuestion> questions_;
    std::map<std::pair<int, int>, BankEntry> raw_;
    CompiledBank bank_;
};
