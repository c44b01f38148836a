#include "XSession.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace std::chrono;

namespace {

pid_t spawn(const std::vector<std::string> &args, const std::string &display, const std::string &dir = {},
            const std::vector<std::string> &env = {})
{
    const pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        ::setpgid(0, 0);
        if (!display.empty())
            ::setenv("DISPLAY", display.c_str(), 1);
        for (const auto &e : env)
            ::putenv(const_cast<char *>(e.c_str()));
        if (!dir.empty() && ::chdir(dir.c_str()) != 0)
            ::_exit(127);
        const int devnull = ::open("/dev/null", O_RDWR);
        ::dup2(devnull, 0);
        ::dup2(devnull, 1);
        std::vector<char *> argv;
        for (const auto &a : args)
            argv.push_back(const_cast<char *>(a.c_str()));
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    return pid;
}

void stop(pid_t &pid)
{
    if (pid <= 0)
        return;
    ::kill(-pid, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (::waitpid(pid, nullptr, WNOHANG) == pid) {
            pid = -1;
            return;
        }
        std::this_thread::sleep_for(20ms);
    }
    ::kill(-pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    pid = -1;
}

std::string quote(const std::string &s)
{
    std::string out = "'";
    for (char c : s) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

} // namespace

void pause(milliseconds ms) { std::this_thread::sleep_for(ms); }

XSession::XSession(const std::string &screen)
{
    int fds[2];
    if (::pipe(fds) != 0)
        throw std::runtime_error("pipe failed");
    xvfb_ = ::fork();
    if (xvfb_ == 0) {
        ::setpgid(0, 0);
        ::close(fds[0]);
        const int devnull = ::open("/dev/null", O_RDWR);
        ::dup2(devnull, 0);
        ::dup2(devnull, 1);
        ::dup2(devnull, 2);
        const std::string fd = std::to_string(fds[1]);
        ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp", nullptr);
        ::_exit(127);
    }
    ::close(fds[1]);
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    const auto deadline = steady_clock::now() + 20s;
    while (steady_clock::now() < deadline) {
        if (::poll(&p, 1, 200) > 0) {
            char c;
            const ssize_t n = ::read(fds[0], &c, 1);
            if (n <= 0 || c == '\n')
                break;
            number += c;
        }
    }
    ::close(fds[0]);
    if (number.empty())
        throw std::runtime_error("Xvfb did not start");
    display_ = ":" + number;
    wm_ = spawn({"openbox", "--sm-disable"}, display_);
    for (int i = 0; i < 100; ++i) {
        int status = 0;
        sh("wmctrl -m >/dev/null 2>&1", &status);
        if (status == 0)
            return;
        pause(100ms);
    }
    throw std::runtime_error("the window manager did not start");
}

XSession::~XSession()
{
    stop(wm_);
    stop(xvfb_);
}

std::string XSession::sh(const std::string &command, int *status) const
{
    const std::string full = "DISPLAY=" + display_ + " " + command;
    FILE *pipe = ::popen(full.c_str(), "r");
    if (!pipe)
        throw std::runtime_error("popen failed");
    std::string out;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0)
        out.append(buf, n);
    const int rc = ::pclose(pipe);
    if (status)
        *status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    return out;
}

std::vector<std::string> XSession::windows(const std::string &title) const
{
    const std::string out = sh("xdotool search --onlyvisible --name " + quote("^" + title + "$") + " 2>/dev/null");
    std::vector<std::string> ids;
    std::string line;
    for (char c : out) {
        if (c == '\n') {
            if (!line.empty())
                ids.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty())
        ids.push_back(line);
    return ids;
}

std::string XSession::waitWindow(const std::string &title, milliseconds timeout) const
{
    const auto deadline = steady_clock::now() + timeout;
    do {
        const auto ids = windows(title);
        if (!ids.empty())
            return ids.front();
        pause(100ms);
    } while (steady_clock::now() < deadline);
    return {};
}

std::string XSession::waitSized(const std::string &title, int width, int height, milliseconds timeout) const
{
    const auto deadline = steady_clock::now() + timeout;
    do {
        for (const auto &w : windows(title)) {
            const WindowGeometry g = geometry(w);
            if (g.width == width && g.height == height)
                return w;
        }
        pause(100ms);
    } while (steady_clock::now() < deadline);
    return {};
}

bool XSession::waitNoWindow(const std::string &title, milliseconds timeout) const
{
    const auto deadline = steady_clock::now() + timeout;
    do {
        if (windows(title).empty())
            return true;
        pause(100ms);
    } while (steady_clock::now() < deadline);
    return false;
}

WindowGeometry XSession::geometry(const std::string &window) const
{
    const std::string out = sh("xdotool getwindowgeometry --shell " + window + " 2>/dev/null");
    WindowGeometry g;
    auto field = [&](const char *name) {
        const std::string key = std::string(name) + "=";
        const auto pos = out.find(key);
        return pos == std::string::npos ? 0 : std::atoi(out.c_str() + pos + key.size());
    };
    g.x = field("X");
    g.y = field("Y");
    g.width = field("WIDTH");
    g.height = field("HEIGHT");
    return g;
}

void XSession::activate(const std::string &window) const
{
    sh("xdotool windowactivate --sync " + window + " >/dev/null 2>&1");
    pause(50ms);
}

void XSession::key(const std::string &window, const std::string &keys) const
{
    activate(window);
    sh("xdotool key --clearmodifiers --delay 60 " + keys + " >/dev/null 2>&1");
    pause(100ms);
}

void XSession::click(const std::string &window, int x, int y, int button) const
{
    activate(window);
    sh("xdotool mousemove --window " + window + " " + std::to_string(x) + " " + std::to_string(y)
       + " sleep 0.1 click " + std::to_string(button) + " >/dev/null 2>&1");
    pause(150ms);
}

std::string XSession::copiedText(const std::string &window) const
{
    sh("printf '' | xclip -selection clipboard -i >/dev/null 2>&1");
    key(window, "ctrl+c");
    for (int i = 0; i < 30; ++i) {
        const std::string text = sh("timeout 5 xclip -selection clipboard -o 2>/dev/null");
        if (!text.empty())
            return text;
        pause(100ms);
    }
    return {};
}

Program::Program(const XSession &session, const std::string &folder, const std::vector<std::string> &extraEnv)
{
    pid_ = spawn({DORVIAN_PROGRAM}, session.display(), folder, extraEnv);
}

Program::~Program()
{
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
}

bool Program::running()
{
    if (pid_ <= 0)
        return false;
    int status = 0;
    if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        pid_ = -1;
        return false;
    }
    return true;
}

int Program::waitExit(milliseconds timeout)
{
    const auto deadline = steady_clock::now() + timeout;
    while (running()) {
        if (steady_clock::now() > deadline)
            return -1;
        pause(50ms);
    }
    return exitCode_;
}
