// Renders every window and box of the program to PNG for review:
//   render_windows OUTDIR
// The program runs under its own Xvfb and openbox and is driven as in the tests.
#include "Folder.h"
#include "QuestionBank.h"
#include "XSession.h"

#include <cstdio>
#include <filesystem>
#include <iostream>

using namespace std::chrono_literals;

namespace {

std::string out;
int failures = 0;

void note(const std::string &what) { std::cerr << "render_windows: " << what << "\n"; }

void shotWindow(const XSession &x, const std::string &window, const std::string &name)
{
    if (window.empty()) {
        note("no window for " + name);
        ++failures;
        return;
    }
    pause(400ms); // let the last paint land
    x.sh("import -frame -window " + window + " '" + out + "/" + name + ".png' 2>/dev/null");
}

// The screen around a window, for menus and boxes that lie over it.
void shotAround(const XSession &x, const std::string &window, const std::string &name)
{
    if (window.empty()) {
        note("no window for " + name);
        ++failures;
        return;
    }
    pause(400ms);
    const WindowGeometry g = x.geometry(window);
    const int left = std::max(0, g.x - 30), top = std::max(0, g.y - 40);
    x.sh("import -window root -crop " + std::to_string(g.width + 60) + "x" + std::to_string(g.height + 80) + "+"
         + std::to_string(left) + "+" + std::to_string(top) + " +repage '" + out + "/" + name + ".png' 2>/dev/null");
}

std::string sized(const XSession &x, int width, int height, int scale = 1)
{
    return x.waitSized("Дорвиан", width * scale, height * scale);
}

void results(const Folder &f, int everyTicket, bool mixed)
{
    std::vector<unsigned char> bytes(168, 0);
    for (int t = 1; t <= 40; ++t)
        bytes[8 + 4 * (t - 1)] = static_cast<unsigned char>(mixed ? (t % 7 == 0 ? 2 : t % 3 == 0 ? 1 : t % 5 == 0 ? 3 : 0) : everyTicket);
    putBytes(f.file("pl.dat"), bytes);
}

struct Question {
    int right = 1, count = 2;
    bool picture = false;
};

Question question(const Folder &f, int ticket, int q)
{
    QuestionBank bank;
    bank.open(f.file("data.dat"), std::span<const QuestionIndexEntry>(QuestionIndex, QuestionCount));
    const QStringList lines = bank.readText(ticket, q);
    Question result;
    result.right = lines.at(0).trimmed().toInt();
    int i = 2;
    while (i < lines.size() && lines[i] != QLatin1String("*"))
        ++i;
    result.count = i - 2;
    result.picture = bank.hasPicture(ticket, q);
    return result;
}

void startScreens(const XSession &x)
{
    {
        Folder f;
        Program p(x, f.path());
        const std::string box = x.waitWindow("Внимание!");
        shotAround(x, box, "no-bank-warning");
        x.key(box, "Return");
        p.waitExit();
    }
    {
        Folder f;
        f.copyBank();
        putBytes(f.file("pl.dat"), std::vector<unsigned char>(16, 0));
        Program p(x, f.path());
        std::string box;
        for (int i = 0; i < 200 && box.empty(); ++i) {
            for (const auto &w : x.windows("Дорвиан"))
                if (x.geometry(w).width != 722)
                    box = w;
            pause(100ms);
        }
        shotAround(x, box, "error-box");
        x.key(box, "Return");
        const std::string main = sized(x, 722, 448);
        x.key(main, "alt+F4");
        p.waitExit();
    }
}

void runScreens(const XSession &x)
{
    Folder f;
    f.copyBank();
    results(f, 0, true);
    Program p(x, f.path());
    std::string main = sized(x, 722, 448);
    shotWindow(x, main, "main-window");

    x.click(main, 48, 427);
    pause(300ms);
    shotAround(x, main, "main-window-menu");
    x.sh("xdotool key Escape");

    x.click(main, 460, 316); // Тренировка, ticket 1
    std::string ticket = sized(x, 718, 448);
    shotWindow(x, ticket, "ticket-window");
    // Show one question with a picture and one without.
    bool withPicture = false, withoutPicture = false;
    for (int q = 1; q <= 20; ++q) {
        const Question info = question(f, 1, q);
        if (info.picture && !withPicture) {
            shotWindow(x, ticket, "ticket-window-picture");
            withPicture = true;
        } else if (!info.picture && !withoutPicture) {
            shotWindow(x, ticket, "ticket-window-text");
            withoutPicture = true;
        }
        x.key(ticket, std::to_string(info.right));
    }
    const std::string dialog = x.waitWindow("Информация");
    shotAround(x, ticket, "result-dialog");
    x.key(dialog, "Return");

    main = sized(x, 722, 448);
    x.click(main, 460, 380); // Обучение
    ticket = sized(x, 718, 448);
    const Question first = question(f, 1, 1);
    x.key(ticket, std::to_string(first.right % first.count + 1));
    shotWindow(x, ticket, "learning-comment");
    x.key(ticket, "Escape");

    main = sized(x, 722, 448);
    x.click(main, 460, 252); // Экзамен
    ticket = sized(x, 718, 448);
    pause(1500ms);
    shotWindow(x, ticket, "exam-window");
    // The drawn ticket is unknown here: "1" everywhere brings three wrong answers soon.
    std::string warning;
    for (int q = 1; q <= 20 && warning.empty(); ++q) {
        x.key(ticket, "1");
        warning = x.waitWindow("Внимание!", 400ms);
    }
    shotAround(x, ticket, "three-errors-warning");
    if (!warning.empty())
        x.key(warning, "Escape");
    main = sized(x, 722, 448);
    x.key(main, "alt+F4");
    p.waitExit();
}

void fullRating(const XSession &x)
{
    Folder f;
    f.copyBank();
    results(f, 1, false);
    Program p(x, f.path());
    const std::string main = sized(x, 722, 448);
    pause(250ms);
    shotWindow(x, main, "main-window-full-rating");
    x.click(main, 48, 427);
    pause(300ms);
    x.sh("xdotool key --delay 100 Down Down Return");
    const std::string box = x.waitWindow("Внимание!");
    shotAround(x, main, "reset-question");
    x.key(box, "Escape");
    x.key(main, "alt+F4");
    p.waitExit();
}

void doubleScale(const XSession &x)
{
    Folder f;
    f.copyBank();
    results(f, 0, true);
    Program p(x, f.path(), {"QT_SCALE_FACTOR=2"});
    std::string main = sized(x, 722, 448, 2);
    shotWindow(x, main, "main-window-x2");
    x.click(main, 920, 760); // Обучение at double size
    const std::string ticket = sized(x, 718, 448, 2);
    shotWindow(x, ticket, "ticket-window-x2");
    x.key(ticket, "Escape");
    main = sized(x, 722, 448, 2);
    x.key(main, "alt+F4");
    p.waitExit();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: render_windows OUTDIR\n";
        return 2;
    }
    out = std::filesystem::absolute(argv[1]).string();
    std::filesystem::create_directories(out);
    {
        XSession x;
        startScreens(x);
        runScreens(x);
        fullRating(x);
    }
    {
        XSession big("1600x1200x24");
        doubleScale(big);
    }
    std::cout << "pictures in " << out << "\n";
    return failures == 0 ? 0 : 1;
}
