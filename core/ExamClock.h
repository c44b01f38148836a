// The exam's ten-minute countdown, in whole seconds, one second per timer event.
#pragma once

#include <QString>

class RunDisplay;

class ExamClock {
public:
    static constexpr int ExamSeconds = 600;

    // Long time format: hours without a leading zero, then MM:SS ("0:09:59").
    static QString format(int seconds);

    // Enables the timer, sets 600 s, shows "0:10:00" in the clock label and shows it.
    void start(RunDisplay &display);
    // One timer event: subtract a second and show it. Returns true when the time is up
    // (the timer is then already disabled); the caller tells the learner and finishes.
    bool tick(RunDisplay &display);
    // Disables the timer if it runs.
    void stop(RunDisplay &display);

    int remaining() const { return remaining_; }
    int elapsed() const { return ExamSeconds - remaining_; }
    QString elapsedText() const { return format(elapsed()); }

private:
    int remaining_ = ExamSeconds;
};
