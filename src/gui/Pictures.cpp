#include "gui/Pictures.h"

#include "support/DisplayScale.h"
#include "gui/JapaneseFont.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace Pictures {

namespace {

struct Palette
{
    QColor fill;
    QColor edge;
};

// A transparent canvas of a layout size at the display scale.
QImage canvas(QSize layoutSize, qreal pixelRatio)
{
    const QSize logical(int(std::lround(layoutSize.width() * DisplayScale::factorX())),
                        int(std::lround(layoutSize.height() * DisplayScale::factorY())));
    QImage image(logical * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    return image;
}

QRectF inset(const QImage &image, qreal by)
{
    return QRectF(QPointF(0, 0), image.deviceIndependentSize()).adjusted(by, by, -by, -by);
}

// Whole pixels, and outlines centred on them, keep the edges sharp.
qreal lineWidth()
{
    return std::max(1.0, std::round(DisplayScale::factorY()));
}

void badge(QImage &image, const Palette &colors, bool round)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal width = lineWidth();
    const QRectF area = inset(image, width / 2);
    painter.setPen(QPen(colors.edge, width));
    painter.setBrush(colors.fill);
    if (round) {
        const qreal side = std::min(area.width(), area.height());
        painter.drawEllipse(QRectF(area.center() - QPointF(side / 2, side / 2), QSizeF(side, side)));
    } else {
        const qreal radius = area.height() / 4;
        painter.drawRoundedRect(area, radius, radius);
    }
}

// A thin cross behind the mark: the mark that missed stays readable.
void cross(QImage &image, const QColor &color)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, lineWidth(), Qt::SolidLine, Qt::RoundCap));
    const QRectF area = inset(image, 3 * DisplayScale::factorY());
    const qreal side = std::min(area.width(), area.height());
    const QRectF square(area.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
    painter.drawLine(square.topLeft(), square.bottomRight());
    painter.drawLine(square.topRight(), square.bottomLeft());
}

} // namespace

QImage resultState(ResultState state, qreal pixelRatio)
{
    QImage image = canvas(ResultStateSize, pixelRatio);
    switch (state) {
    case ResultState::Hit:
        badge(image, {QColor(205, 225, 255), QColor(30, 90, 220)}, true);
        break;
    case ResultState::Cancelled:
        badge(image, {QColor(255, 245, 170), QColor(215, 160, 0)}, false);
        break;
    case ResultState::Miss:
        badge(image, {QColor(255, 222, 222), QColor(220, 40, 40)}, false);
        cross(image, QColor(240, 150, 150));
        break;
    case ResultState::WinningGrade:
        badge(image, {QColor(200, 245, 200), QColor(20, 150, 40)}, false);
        break;
    }
    return image;
}

QImage resultState(int index, qreal pixelRatio)
{
    return resultState(static_cast<ResultState>(std::clamp(index, 0, 3)), pixelRatio);
}

QImage markBox(int markCode, bool marked, qreal pixelRatio)
{
    QImage image = canvas(MarkBoxSize, pixelRatio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QColor sheetRed(254, 0, 3);
    const qreal width = lineWidth();
    const QRectF box = inset(image, width / 2);
    const qreal radius = box.width() / 4;
    painter.setPen(QPen(marked ? QColor(40, 40, 40) : sheetRed, width));
    painter.setBrush(marked ? QColor(40, 40, 40) : QColor(Qt::white));
    painter.drawRoundedRect(box, radius, radius);
    painter.setFont(JapaneseFont::make(8));
    painter.setPen(marked ? QColor(Qt::white) : sheetRed);
    painter.drawText(box, Qt::AlignCenter, QString::number(markCode));
    return image;
}

} // namespace Pictures
