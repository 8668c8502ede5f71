#include "support/DisplayScale.h"

namespace DisplayScale {

namespace {

std::function<Dpi()> s_source;
double s_factorX = 0.0;   // 0: not computed yet
double s_factorY = 0.0;

Dpi currentDpi()
{
    return s_source ? s_source() : Dpi{};
}

} // namespace

void setDpiSource(std::function<Dpi()> source)
{
    s_source = std::move(source);
    s_factorX = 0.0;
    s_factorY = 0.0;
}

double factorX()
{
    if (s_factorX == 0.0)
        s_factorX = currentDpi().x / 96.0;
    return s_factorX;
}

double factorY()
{
    if (s_factorY == 0.0)
        s_factorY = currentDpi().y / 96.0;
    return s_factorY;
}

double scaleX(double pixels)
{
    return pixels * factorX();
}

double scaleY(double pixels)
{
    return pixels * factorY();
}

} // namespace DisplayScale
