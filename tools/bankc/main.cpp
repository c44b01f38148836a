// bankc <bank-dir> <data.dat out> <QuestionIndex.cpp out> <bank-index.txt out>
// Compiles the bank's source; a refused bank leaves every output untouched.
#include "BankCompiler.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>
#include <exception>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath())) {
        std::fprintf(stderr, "bankc: cannot create the folder %s\n", qPrintable(info.absolutePath()));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "bankc: cannot write %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: bankc <bank-dir> <data.dat out> <QuestionIndex.cpp out> <bank-index.txt out>\n");
        return 2;
    }
    const QString bankDir = QString::fromLocal8Bit(argv[1]);
    try {
        const CompiledBank bank = compileBankDirectory(bankDir);
        const QByteArray source = indexSource(bank);
        const QByteArray text = indexText(bank);
        if (!writeFile(QString::fromLocal8Bit(argv[2]), bank.data)
            || !writeFile(QString::fromLocal8Bit(argv[3]), source)
            || !writeFile(QString::fromLocal8Bit(argv[4]), text))
            return 1;
    } catch (const BankError &e) {
        std::fprintf(stderr, "bankc: %s: %s\n", argv[1], e.what());
        return 1;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "bankc: %s\n", e.what());
        return 1;
    }
    return 0;
}
