// Drives the real program from outside, as a learner would: an X server of its own
// (Xvfb), a window manager (openbox), keys and clicks through xdotool.
#pragma once

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

struct WindowGeometry {
    int x = 0, y = 0, width = 0, height = 0;
};

class XSession {
public:
    explicit XSession(const std::string &screen = "1280x1024x24");
    ~XSession();
    XSession(const XSession &) = delete;
    XSession &operator=(const XSession &) = delete;

    const std::string &display() const { return display_; }

    // Runs a shell command on this display; returns its standard output.
    std::string sh(const std::string &command, int *status = nullptr) const;

    // Visible windows whose title matches the regular expression exactly (^...$ added).
    std::vector<std::string> windows(const std::string &title) const;
    // Waits for such a window; "" on time-out.
    std::string waitWindow(const std::string &title, std::chrono::milliseconds timeout = std::chrono::seconds(20)) const;
    // Waits for a window with that title and exactly that client size; "" on time-out.
    std::string waitSized(const std::string &title, int width, int height,
                          std::chrono::milliseconds timeout = std::chrono::seconds(20)) const;
    bool waitNoWindow(const std::string &title, std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
    WindowGeometry geometry(const std::string &window) const;

    void activate(const std::string &window) const;
    // Keys in xdotool's names ("Return", "Escape", "1", "ctrl+c"), sent to the active window.
    void key(const std::string &window, const std::string &keys) const;
    // A click at a point of the window's client area.
    void click(const std::string &window, int x, int y, int button = 1) const;
    // A message box's text, through its copy shortcut and the clipboard.
    std::string copiedText(const std::string &window) const;

private:
    pid_t xvfb_ = -1;
    pid_t wm_ = -1;
    std::string display_;
};

// The program, started in a folder of its own.
class Program {
public:
    // extraEnv: NAME=value pairs for the toolkit (a scale factor, say).
    Program(const XSession &session, const std::string &folder, const std::vector<std::string> &extraEnv = {});
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    // Exit code, or -1 when it still runs after the time-out (or died of a signal).
    int waitExit(std::chrono::milliseconds timeout = std::chrono::seconds(20));
    bool running();

private:
    pid_t pid_ = -1;
    int exitCode_ = -1;
};

void pause(std::chrono::milliseconds ms);
