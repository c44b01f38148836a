#include "FixtureBank.h"

#include "JpegEncode.h"

#include <QFile>
#include <QStringEncoder>
#include <stdexcept>
#include <vector>

FixtureBank::FixtureBank()
{
    questions_.reserve(QuestionCount);
    for (int t = 1; t <= TicketCount; ++t)
        for (int q = 1; q <= QuestionsPerTicket; ++q)
            questions_.push_back(generated(t, q));
}

SourceQuestion FixtureBank::generated(int ticket, int question)
{
    SourceQuestion s;
    s.ticket = ticket;
    s.question = question;
    const int count = 2 + (ticket + question) % 4;
    s.text = QStringLiteral("Кто проезжает первым? (%1.%2)").arg(ticket).arg(question);
    for (int i = 1; i <= count; ++i)
        s.answers << QStringLiteral("Вариант %1 к %2.%3").arg(i).arg(ticket).arg(question);
    s.right = 1 + (ticket * 7 + question * 3) % count;
    s.comment = QStringLiteral("Пояснение %1.%2: уступите дорогу.").arg(ticket).arg(question);
    if (question % 3 == 2)
        s.picture = jpeg(8 + question, 4 + ticket % 5);
    return s;
}

QByteArray FixtureBank::jpeg(int width, int height)
{
    return encodeJpeg(samplePicture(width, height));
}

QByteArray FixtureBank::cp1251(const QString &text)
{
    QStringEncoder encode("windows-1251");
    return encode(text);
}

void FixtureBank::setRaw(int ticket, int question, const QByteArray &text, const QByteArray &picture)
{
    raw_[{ticket, question}] = BankEntry{text, picture};
}

const SourceQuestion &FixtureBank::question(int ticket, int question) const
{
    return questions_.at(static_cast<std::size_t>((ticket - 1) * QuestionsPerTicket + (question - 1)));
}

void FixtureBank::compile()
{
    std::vector<BankEntry> entries;
    entries.reserve(questions_.size());
    for (const SourceQuestion &q : questions_) {
        const auto it = raw_.find({q.ticket, q.question});
        entries.push_back(it != raw_.end() ? it->second : compileQuestion(q));
    }
    bank_ = layoutBank(entries, true);
}

void FixtureBank::writeData(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bank_.data) != bank_.data.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}
