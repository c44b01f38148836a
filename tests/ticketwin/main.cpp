// One QApplication and one set of windows for the whole test program, made in a
// scratch folder that holds a copy of the built bank, as the program makes them.
#include "WindowHarness.h"

#include "Fonts.h"
#include "Forms.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
QString folder;
}

QString scratchFolder()
{
    return folder;
}

int main(int argc, char **argv)
{
    // These tests never need a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    QApplication::setApplicationName(QStringLiteral("Дорвиан"));
    setUpFonts();
    QApplication::setQuitOnLastWindowClosed(false);

    QTemporaryDir dir;
    if (!dir.isValid() || !QFile::copy(QStringLiteral(DORVIAN_DATA_DAT), dir.filePath(QStringLiteral("data.dat")))) {
        fprintf(stderr, "cannot copy %s into a scratch folder\n", DORVIAN_DATA_DAT);
        return 1;
    }
    folder = dir.path();
    const QString home = QDir::currentPath();
    QDir::setCurrent(folder);

    Form2 = new TForm2;
    if (Form2->startupAborted()) {
        fprintf(stderr, "the main window did not start\n");
        return 1;
    }
    Form1 = new TForm1;
    Form3 = new TForm3;
    Form4 = new TForm4;
    Form2->show();

    const int rc = RUN_ALL_TESTS();

    delete Form4;
    delete Form3;
    delete Form1;
    delete Form2;
    Form1 = nullptr;
    Form2 = nullptr;
    Form3 = nullptr;
    Form4 = nullptr;
    QDir::setCurrent(home);
    return rc;
}
