#include "FixtureBank.h"

#include <QFile>
#include <QStringEncoder>
#include <cstdlib>
#include <jpeglib.h>
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
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char *out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &out, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 80, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<unsigned char>(x * 20);
            row[3 * x + 1] = static_cast<unsigned char>(cinfo.next_scanline * 40);
            row[3 * x + 2] = 128;
        }
        JSAMPROW p = row.data();
        jpeg_write_scanlines(&cinfo, &p, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char *>(out), static_cast<qsizetype>(size));
    std::free(out);
    return bytes;
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
