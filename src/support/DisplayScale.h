#pragma once

#include <functional>

// Layout sizes are given in pixels at 96 dots per inch and multiplied by the
// screen's logical dots per inch / 96, separately across and down. Each factor
// is computed at its first use and kept for the life of the process.
namespace DisplayScale {

struct Dpi
{
    double x = 96.0;
    double y = 96.0;
};

// The window layer tells where the screen's dots per inch come from; until
// then the factors are 1. Setting a source forgets the cached factors.
void setDpiSource(std::function<Dpi()> source);

double factorX();
double factorY();
double scaleX(double pixels);
double scaleY(double pixels);

} // namespace DisplayScale
