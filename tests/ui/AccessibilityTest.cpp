// A screen reader can follow the road: every control a learner meets tells its name
// over the accessibility interface, glyph-only buttons and status icons included.
#include "Forms.h"
#include "UiTestSupport.h"
#include "Unit1.h"
#include "Unit2.h"

#include <QAccessible>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

// Every visible element of a window that a learner can read or press, with no name;
// `seen` counts the readable elements walked.
QStringList namelessElements(QWidget *window, int &seen)
{
    QStringList nameless;
    seen = 0;
    std::function<void(QAccessibleInterface *, const QString &)> walk = [&](QAccessibleInterface *node,
                                                                            const QString &path) {
        if (!node || node->state().invisible)
            return;
        const QAccessible::Role role = node->role();
        const bool readable = role == QAccessible::PushButton || role == QAccessible::ButtonMenu
                              || role == QAccessible::ListItem || role == QAccessible::StaticText
                              || role == QAccessible::Graphic || role == QAccessible::Clock;
        const QString name = node->text(QAccessible::Name) + node->text(QAccessible::Description);
        QString id = path;
        if (QObject *o = node->object(); o && !o->objectName().isEmpty())
            id += QLatin1Char('/') + o->objectName();
        seen += readable;
        if (readable && name.trimmed().isEmpty())
            nameless << id + QStringLiteral(" (role %1)").arg(int(role));
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i), id);
    };
    walk(QAccessible::queryAccessibleInterface(window), window->objectName());
    return nameless;
}

std::string accessibleName(QWidget *w)
{
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(w);
    return node ? node->text(QAccessible::Name).toStdString() : std::string();
}

} // namespace

TEST(Accessibility, MainWindowTellsEveryControl)
{
    ASSERT_TRUE(Form2);
    if (Form1->isVisible())
        Form1->close();
    Form2->show();
    QCoreApplication::processEvents();
    int seen = 0;
    const QStringList nameless = namelessElements(Form2, seen);
    EXPECT_TRUE(nameless.isEmpty()) << nameless.join(QStringLiteral(", ")).toStdString();
    EXPECT_GE(seen, 40 + 3 + 5) << "the tickets, the three run buttons and the texts";
}

TEST(Accessibility, TicketWindowTellsGlyphButtonsAndMarks)
{
    ASSERT_TRUE(Form1 && Form2);
    if (Form1->isVisible())
        Form1->close();
    Form2->show();
    QCoreApplication::processEvents();
    Form2->findChild<QListWidget *>(QStringLiteral("ListView1"))->setCurrentRow(0);
    Form2->BitBtn1Click(); // learning: nothing is stored
    ASSERT_TRUE(waitFor([] { return Form1->isVisible(); }));

    int seen = 0;
    const QStringList nameless = namelessElements(Form1, seen);
    EXPECT_TRUE(nameless.isEmpty()) << nameless.join(QStringLiteral(", ")).toStdString();
    EXPECT_GE(seen, 20 + 2 + 3) << "the questions, the answer buttons shown and the texts";
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(accessibleName(Form1->answerButton(k)), "Ответ " + std::to_string(k));
    EXPECT_EQ(accessibleName(Form1->SpeedButton1), "Справка");
    const QString firstRow = Form1->ListView1->item(0)->data(Qt::AccessibleTextRole).toString();
    EXPECT_TRUE(firstRow.startsWith(QStringLiteral("Вопрос №1"))) << firstRow.toStdString();
    EXPECT_TRUE(firstRow.contains(QStringLiteral("не отвечен"))) << firstRow.toStdString();
    Form1->close();
    QCoreApplication::processEvents();
}
