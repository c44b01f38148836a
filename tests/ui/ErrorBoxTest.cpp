// The application's error box: its text rule, and errors that escape a handler.
#include "ErrorBox.h"
#include "Errors.h"
#include "Forms.h"
#include "UiTestSupport.h"

#include <QApplication>
#include <QEvent>
#include <gtest/gtest.h>

namespace {

TEST(ErrorBox, FullStopIsAddedAfterCharactersAboveTheFullStop)
{
    // Above '.' (0x2E): letters, digits, Cyrillic.
    EXPECT_EQ(errorBoxText(QStringLiteral("Read beyond end of file")), QStringLiteral("Read beyond end of file."));
    EXPECT_EQ(errorBoxText(QStringLiteral("I/O error 103")), QStringLiteral("I/O error 103."));
    EXPECT_EQ(errorBoxText(QStringLiteral("JPEG error #42")), QStringLiteral("JPEG error #42."));
    EXPECT_EQ(errorBoxText(QStringLiteral("'12x' is not a valid integer value")),
              QStringLiteral("'12x' is not a valid integer value."));
    EXPECT_EQ(errorBoxText(QStringLiteral("Ошибка")), QStringLiteral("Ошибка."));
    EXPECT_EQ(errorBoxText(QStringLiteral("a/")), QStringLiteral("a/."));
    // At or below it: unchanged.
    EXPECT_EQ(errorBoxText(QStringLiteral("List index out of bounds (5)")), QStringLiteral("List index out of bounds (5)"));
    EXPECT_EQ(errorBoxText(QStringLiteral("Done.")), QStringLiteral("Done."));
    EXPECT_EQ(errorBoxText(QStringLiteral("Stop!")), QStringLiteral("Stop!"));
    EXPECT_EQ(errorBoxText(QStringLiteral("a-")), QStringLiteral("a-"));
    EXPECT_EQ(errorBoxText(QStringLiteral("trailing ")), QStringLiteral("trailing "));
    EXPECT_EQ(errorBoxText(QString()), QString());
}

// Throws from inside an event handler, as a careless handler would.
class Thrower : public QObject {
public:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            throw InOutError(IoCode::ReadBeyondEnd);
        if (e->type() == QEvent::Type(QEvent::User + 1))
            throw 42;
        if (e->type() == QEvent::Type(QEvent::User + 2)) {
            ++handled;
            return true;
        }
        return QObject::event(e);
    }
    int handled = 0;
};

TEST(ErrorBox, AnErrorThatEscapesAHandlerIsShownAndTheLoopGoesOn)
{
    Thrower thrower;
    BoxLog log{{QMessageBox::Ok, QMessageBox::Ok}, {}};
    answerBoxes(log);
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    ASSERT_TRUE(waitFor([&] { return log.seen.size() == 1 && !QApplication::activeModalWidget(); }));
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::Type(QEvent::User + 1)));
    ASSERT_TRUE(waitFor([&] { return log.seen.size() == 2 && !QApplication::activeModalWidget(); }));
    // The loop still delivers events.
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::Type(QEvent::User + 2)));
    ASSERT_TRUE(waitFor([&] { return thrower.handled == 1; }));

    ASSERT_EQ(log.seen.size(), 2);
    EXPECT_EQ(log.seen[0].objectName, QStringLiteral("ErrorBox"));
    EXPECT_EQ(log.seen[0].title, QStringLiteral("Дорвиан"));
    EXPECT_EQ(log.seen[0].text, QStringLiteral("Read beyond end of file."));
    EXPECT_EQ(log.seen[0].icon, QMessageBox::Critical);
    EXPECT_EQ(log.seen[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(log.seen[1].objectName, QStringLiteral("ErrorBox"));
    EXPECT_EQ(log.seen[1].text, QStringLiteral("Unknown error."));
}

TEST(ErrorBox, GuardedHandlerReportsAndReturnsFalse)
{
    BoxLog log{{QMessageBox::Ok}, {}};
    answerBoxes(log);
    bool after = false;
    const bool ok = guarded([] { throw ListIndexError(20); });
    after = true;
    EXPECT_FALSE(ok);
    EXPECT_TRUE(after);
    ASSERT_EQ(log.seen.size(), 1);
    EXPECT_EQ(log.seen[0].text, QStringLiteral("List index out of bounds (20)"));
    EXPECT_TRUE(guarded([] {}));
}

} // namespace
