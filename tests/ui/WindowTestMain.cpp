// The window tests run inside the real program: its start-up sequence brings up the
// four windows in a scratch directory, and the tests run once its event loop is going.
#include "Forms.h"
#include "UiTestSupport.h"
#include "Unit2.h"

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    WorkDir dir;
    int result = 1;
    whenApplicationStarts([&result] {
        QTimer::singleShot(0, [&result] {
            result = RUN_ALL_TESTS();
            if (Form2)
                Form2->close();
            else
                QCoreApplication::quit();
        });
    });
    const int code = runProgram();
    if (code != 0) {
        std::fprintf(stderr, "the program ended with %d\n", code);
        return code;
    }
    return result;
}
