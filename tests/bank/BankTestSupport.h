// Helpers shared by the bank tests: small JPEGs made on the spot and a valid question.
#pragma once

#include "BankCompiler.h"
#include "JpegEncode.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>

namespace banktest {

inline QByteArray makeJpeg(int width = 40, int height = 24, bool progressive = false, int quality = 80)
{
    return encodeJpeg(samplePicture(width, height), quality, progressive);
}

// Offset of the first byte of the segment whose marker is 0xFF marker, or -1.
inline qsizetype findSegment(const QByteArray &jpeg, unsigned char marker)
{
    qsizetype pos = 2;
    while (pos + 4 <= jpeg.size()) {
        const auto m = static_cast<unsigned char>(jpeg[pos + 1]);
        if (m == marker)
            return pos;
        const int length = (static_cast<unsigned char>(jpeg[pos + 2]) << 8) | static_cast<unsigned char>(jpeg[pos + 3]);
        pos += 2 + length;
    }
    return -1;
}

inline SourceQuestion validQuestion(int ticket = 7, int question = 13)
{
    SourceQuestion q;
    q.ticket = ticket;
    q.question = question;
    q.text = QStringLiteral("Что означает этот знак?");
    q.answers = {QStringLiteral("Уступите дорогу"), QStringLiteral("Главная дорога"), QStringLiteral("Въезд запрещён")};
    q.right = 2;
    q.comment = QStringLiteral("Знак 2.1 обозначает главную дорогу.");
    return q;
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace banktest
