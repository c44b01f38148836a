// Where the speedometer sits on a dial frame; the tests read the needle through the same numbers.
#pragma once

#include <cmath>

namespace DialGeometry {

constexpr int Width = 133;
constexpr int Height = 209;
constexpr int FrameCount = 22;

constexpr double CentreX = 66.5;
constexpr double CentreY = 117.0;
constexpr double Radius = 62.0;       // outer edge of the bezel
constexpr double FaceRadius = 56.0;   // the dark face inside the bezel
constexpr double NeedleLength = 47.0;
constexpr double HubRadius = 7.0;

// Value 0 sits at the lower left, 100 at the lower right, clockwise over 240 degrees.
constexpr double StartDegrees = 210.0;
constexpr double SweepDegrees = 240.0;
constexpr double FullScale = 100.0;

constexpr double valueOfFrame(int n) { return 5.0 * n; }

// Angle in radians, counter-clockwise from the positive x axis with y pointing up.
inline double angleFor(double value)
{
    const double degrees = StartDegrees - SweepDegrees * value / FullScale;
    return degrees * 3.14159265358979323846 / 180.0;
}

// Pixel coordinates (y down) of the point at distance r from the centre towards value.
inline double xAt(double value, double r) { return CentreX + r * std::cos(angleFor(value)); }
inline double yAt(double value, double r) { return CentreY - r * std::sin(angleFor(value)); }

} // namespace DialGeometry
