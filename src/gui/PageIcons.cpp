#include "gui/PageIcons.h"

#include "support/DisplayScale.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace PageIcons {

namespace {

const QColor ink(0x33, 0x44, 0x66);
const QColor highlight(0x1e, 0x6f, 0xd9);
const QColor markRed(0xd0, 0x20, 0x20);

// Draws in a 40 × 40 design square, whatever the image's size.
QPainter &designSpace(QPainter &painter, const QImage &image)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF size = image.deviceIndependentSize();
    painter.scale(size.width() / Size, size.height() / Size);
    return painter;
}

void drawHome(QPainter &painter, const QColor &color)
{
    QPainterPath roof;
    roof.moveTo(6, 20);
    roof.lineTo(20, 7);
    roof.lineTo(34, 20);
    painter.setPen(QPen(color, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(roof);
    painter.setPen(QPen(color, 2.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(11, 19, 18, 14));
    painter.setBrush(color);
    painter.drawRect(QRectF(17.5, 25, 5, 8));
}

// Three rows of the three mark boxes, one filled in each row.
void drawMarks(QPainter &painter, QRectF firstBox, QPointF step, const std::array<int, 3> &filled, const QColor &fill)
{
    painter.setPen(QPen(markRed, 1.2));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            painter.setBrush(column == filled[row] ? QBrush(fill) : QBrush(Qt::NoBrush));
            painter.drawRect(firstBox.translated(column * step.x(), row * step.y()));
        }
    }
}

void drawSheet(QPainter &painter, const QColor &color)
{
    painter.setPen(QPen(color, 2));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(7, 5, 26, 30), 2, 2);
    drawMarks(painter, QRectF(11, 10, 4.5, 6), QPointF(7, 8), {0, 2, 1}, color);
}

void drawCheck(QPainter &painter, const QColor &color)
{
    painter.setPen(QPen(color, 2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(5, 5, 30, 30));
    QPainterPath tick;
    tick.moveTo(12, 20.5);
    tick.lineTo(18, 26.5);
    tick.lineTo(29, 13.5);
    painter.setPen(QPen(color, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tick);
}

} // namespace

QImage page(int index, bool highlighted, qreal pixelRatio)
{
    const QSize logical(int(std::lround(Size * DisplayScale::factorX())), int(std::lround(Size * DisplayScale::factorY())));
    QImage image(logical * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    designSpace(painter, image);
    if (highlighted) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xdc, 0xea, 0xfb));
        painter.drawRoundedRect(QRectF(1, 1, 38, 38), 6, 6);
    }
    const QColor color = highlighted ? highlight : ink;
    switch (index) {
    case 0: drawHome(painter, color); break;
    case 1: drawSheet(painter, color); break;
    default: drawCheck(painter, color); break;
    }
    return image;
}

QImage applicationImage(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    designSpace(painter, image);
    painter.setPen(QPen(highlight, 1.5));
    painter.setBrush(QColor(0xfd, 0xf6, 0xe3));
    painter.drawRoundedRect(QRectF(4, 2, 32, 36), 4, 4);
    painter.setPen(Qt::NoPen);
    painter.setBrush(highlight);
    painter.drawRect(QRectF(4.75, 2.75, 30.5, 8));
    drawMarks(painter, QRectF(9, 15, 5, 5), QPointF(8, 7.5), {1, 0, 2}, markRed);
    return image;
}

QIcon application()
{
    QIcon icon;
    for (const int side : {16, 32, 48})
        icon.addPixmap(QPixmap::fromImage(applicationImage(side)));
    return icon;
}

} // namespace PageIcons
