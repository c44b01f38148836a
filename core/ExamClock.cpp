#include "ExamClock.h"

#include "RunDisplay.h"

QString ExamClock::format(int seconds)
{
    if (seconds < 0)
        return QLatin1Char('-') + format(-seconds);
    const int hours = seconds / 3600;
    const int minutes = seconds / 60 % 60;
    const int secs = seconds % 60;
    return QStringLiteral("%1:%2:%3")
        .arg(hours)
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(secs, 2, 10, QLatin1Char('0'));
}

void ExamClock::start(RunDisplay &display)
{
    display.startClock();
    remaining_ = ExamSeconds;
    display.setClockText(format(remaining_));
    display.setClockVisible(true);
}

bool ExamClock::tick(RunDisplay &display)
{
    remaining_ -= 1;
    display.setClockText(format(remaining_));
    if (remaining_ > 0)
        return false;
    // Disabled before the learner is told, so no further tick arrives meanwhile.
    display.stopClock();
    return true;
}

void ExamClock::stop(RunDisplay &display)
{
    if (display.clockRunning())
        display.stopClock();
}
