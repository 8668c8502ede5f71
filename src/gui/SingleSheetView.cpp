#include "gui/SingleSheetView.h"

#include "gui/JapaneseFont.h"
#include "gui/MouseCodes.h"
#include "gui/Pictures.h"
#include "gui/QtColor.h"
#include "singles/MarkSheet.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <cmath>

namespace {

QImage toImage(const QVariant &picture)
{
    if (picture.typeId() == QMetaType::QImage)
        return qvariant_cast<QImage>(picture);
    if (picture.typeId() == QMetaType::QPixmap)
        return qvariant_cast<QPixmap>(picture).toImage();
    return {};
}

} // namespace

SingleSheetView::SingleSheetView(QWidget *parent)
    : QWidget(parent)
    , m_numberFont(JapaneseFont::make(MarkSheet::NumberFontSize))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

SingleSheetView::~SingleSheetView()
{
    if (m_sheet)
        m_sheet->detachSurface();
}

void SingleSheetView::giveMarkPictures(MarkSheet &sheet) const
{
    for (int mark = 0; mark < MarkSheet::Marks; ++mark)
        for (const bool marked : {false, true})
            sheet.setImage(mark, marked ? 1 : 0, Pictures::markBox(mark, marked, devicePixelRatioF()));
}

void SingleSheetView::attachSheet(MarkSheet *sheet)
{
    m_sheet = sheet;
}

QPoint SingleSheetView::pixels(QPointF point)
{
    return {int(std::lround(point.x())), int(std::lround(point.y()))};
}

QRect SingleSheetView::pixels(const QRectF &rect)
{
    const QPoint topLeft = pixels(rect.topLeft());
    return {topLeft, pixels(rect.bottomRight()) - QPoint(1, 1)};
}

void SingleSheetView::paintBackground(const SheetBackground &background)
{
    const QSize size(int(std::ceil(background.size.width())), int(std::ceil(background.size.height())));
    const qreal ratio = devicePixelRatioF();
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(QtColor::fromWin(background.backColor, palette()));
    QPainter painter(&image);
    // Scaled lengths keep their fraction; on screen they land on whole pixels.
    for (const SheetBackground::Band &band : background.bands)
        painter.fillRect(pixels(band.rect), QtColor::fromWin(band.color, palette()));
    for (const SheetBackground::Stroke &stroke : background.strokes) {
        painter.setPen(QPen(QtColor::fromWin(stroke.color, palette()), stroke.width, Qt::SolidLine, Qt::SquareCap));
        painter.drawLine(QLine(pixels(stroke.line.p1()), pixels(stroke.line.p2())));
    }
    painter.end();
    m_background = image;
    setFixedSize(size);
    update();
}

void SingleSheetView::placeNumber(int slot, const QRectF &rect, double fontPoints)
{
    Number &number = m_numbers.at(std::size_t(slot));
    update(number.rect);
    number.rect = pixels(rect);
    m_numberFont = JapaneseFont::make(fontPoints);
    update(number.rect);
}

void SingleSheetView::showNumber(int slot, const QString &text, quint32 foreColor, quint32 backColor)
{
    Number &number = m_numbers.at(std::size_t(slot));
    number.text = text;
    number.foreColor = QtColor::fromWin(foreColor, palette());
    number.backColor = QtColor::fromWin(backColor, palette());
    update(number.rect);
}

void SingleSheetView::showMarkBox(int tag, const QRectF &rect, const QVariant &picture)
{
    Box &box = m_boxes[tag];
    update(box.rect);
    box.rect = pixels(rect);
    box.picture = toImage(picture);
    update(box.rect);
}

QFont SingleSheetView::numberFontFor(const QString &text, int width) const
{
    const int wide = QFontMetrics(m_numberFont).horizontalAdvance(text);
    if (wide <= width || wide == 0)
        return m_numberFont;
    QFont smaller = m_numberFont;
    smaller.setPixelSize(std::max(1, m_numberFont.pixelSize() * width / wide));
    return smaller;
}

void SingleSheetView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    painter.drawImage(dirty, m_background, dirty);
    for (const Number &number : m_numbers) {
        if (!number.rect.intersects(dirty))
            continue;
        painter.fillRect(number.rect, number.backColor);
        painter.setFont(numberFontFor(number.text, number.rect.width()));
        painter.setPen(number.foreColor);
        painter.drawText(number.rect, Qt::AlignCenter, number.text);
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const Box &box : std::as_const(m_boxes))
        if (!box.picture.isNull() && box.rect.intersects(dirty))
            painter.drawImage(box.rect, box.picture);
}

void SingleSheetView::mousePressEvent(QMouseEvent *event)
{
    if (m_sheet)
        m_sheet->pressAt(MouseCodes::button(event->button()), event->position());
}

void SingleSheetView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_sheet)
        m_sheet->releaseAt(MouseCodes::button(event->button()), event->position());
}

void SingleSheetView::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}
