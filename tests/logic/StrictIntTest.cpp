// Line 0 of a question block as the right answer's number.
#include "Errors.h"
#include "TicketRun.h"

#include <gtest/gtest.h>

namespace {

TEST(StrictInt, AcceptsBlanksSignAndDigits)
{
    EXPECT_EQ(parseStrictInt(QStringLiteral("3")), 3);
    EXPECT_EQ(parseStrictInt(QStringLiteral("   4")), 4);
    EXPECT_EQ(parseStrictInt(QStringLiteral("+2")), 2);
    EXPECT_EQ(parseStrictInt(QStringLiteral(" -1")), -1);
    EXPECT_EQ(parseStrictInt(QStringLiteral("007")), 7);
    EXPECT_EQ(parseStrictInt(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(parseStrictInt(QStringLiteral("-2147483648")), INT32_MIN);
}

TEST(StrictInt, RefusesAnythingElseNamingTheLine)
{
    const QString bad[] = {QString(), QStringLiteral(" "), QStringLiteral("3 "), QStringLiteral("\t3"),
                           QStringLiteral("+"), QStringLiteral("- 3"), QStringLiteral("3a"),
                           QStringLiteral("0x3"), QStringLiteral("$3"), QStringLiteral("2.0"),
                           QStringLiteral("1e1"), QStringLiteral("2147483648"), QStringLiteral("-2147483649"),
                           QStringLiteral("99999999999999999999"), QStringLiteral("３"), QStringLiteral("ответ")};
    for (const QString &line : bad) {
        try {
            parseStrictInt(line);
            ADD_FAILURE() << "accepted '" << line.toStdString() << "'";
        } catch (const ConvertError &e) {
            EXPECT_EQ(QString::fromUtf8(e.what()), QLatin1Char('\'') + line + QStringLiteral("' is not a valid integer value"));
        }
    }
}

} // namespace
