#include "singles/MarkSheet.h"

#include "support/DisplayScale.h"
#include "support/WinColor.h"

#include <cmath>

namespace {

constexpr quint32 SheetRed = WinColor::rgb(254, 0, 3);
constexpr quint32 Salmon = WinColor::rgb(253, 214, 201);
constexpr double NumberWidth = 50;
constexpr double NumberHeight = 16;
// Columns of mark boxes: the first box stands 6 in from the column's edge,
// the next ones 16 apart.
constexpr double MarkInset = 6;
constexpr double MarkPitch = 16;

int column(double x, double pitch)
{
    return int(std::floor(x / pitch));
}

bool isSlot(int slot)
{
    return slot >= 0 && slot < MarkSheet::Slots;
}

} // namespace

MarkSheet::MarkSheet(QObject *parent)
    : QObject(parent)
{
    for (auto &column : m_shown)
        column.fill(NoMark);
    layOut();
}

MarkSheet::~MarkSheet()
{
    if (m_surface)
        m_surface->attachSheet(nullptr);
}

int MarkSheet::scaledY(double length)
{
    // A hair added before cutting keeps 24 × 100/96 at 25, not 24.999….
    return int(std::floor(DisplayScale::scaleY(length) + 1e-9));
}

void MarkSheet::layOut()
{
    m_factorX = DisplayScale::factorX();
    m_factorY = DisplayScale::factorY();
    m_width = SheetWidth * m_factorX;
    m_header = scaledY(21);
    m_row = scaledY(26);
    m_top = scaledY(24);
    m_height = scaledY(23) + Matches * m_row + Matches;
}

QRectF MarkSheet::numberRect(int slot) const
{
    const double height = NumberHeight * m_factorY;
    const double top = std::floor((m_header - height) / 2) + 1;
    return {(ColumnPitch * slot + 2) * m_factorX, top, NumberWidth * m_factorX, height};
}

QRectF MarkSheet::markBoxRect(int slot, int mark, int match) const
{
    const double height = MarkBoxSize.height() * m_factorY;
    const double left = ColumnPitch * slot + MarkPitch * positionOfMark(mark) + MarkInset;
    const double top = rowTop(match) + std::floor((m_row - height) / 2);
    return {left * m_factorX, top, MarkBoxSize.width() * m_factorX, height};
}

SheetBackground MarkSheet::background() const
{
    SheetBackground background;
    background.size = QSizeF(m_width, m_height);
    background.backColor = WinColor::White;
    const double pitch = ColumnPitch * m_factorX;
    const double bandBottom = m_header + Matches * m_row + Matches;
    for (int slot = 0; slot < Slots; ++slot)
        background.bands.append({QRectF(QPointF(pitch * slot, 21 * m_factorY), QPointF(pitch * (slot + 1), bandBottom)),
                                 slot % 2 == 0 ? Salmon : WinColor::White});

    const auto stroke = [&](QPointF from, QPointF to, double width) {
        background.strokes.append({QLineF(from, to), width, SheetRed});
    };
    const QPointF topLeft(0, 0);
    const QPointF bottomRight(m_width - 1, m_height - 1);
    stroke(topLeft, QPointF(bottomRight.x(), 0), 3);
    stroke(QPointF(bottomRight.x(), 0), bottomRight, 3);
    stroke(bottomRight, QPointF(0, bottomRight.y()), 3);
    stroke(QPointF(0, bottomRight.y()), topLeft, 3);
    stroke(QPointF(0, m_header), QPointF(m_width, m_header), 2);
    for (int line = 1; line < Slots; ++line)
        stroke(QPointF(pitch * line, 0), QPointF(pitch * line, m_height), 1);
    // Below matches 3, 6, 9 and 12.
    for (int group = 1; group <= 4; ++group) {
        const double y = m_header + 3 * group * m_row + 3 * group;
        stroke(QPointF(0, y), QPointF(m_width, y), 1);
    }
    return background;
}

void MarkSheet::initialize(SingleSheetSurface *surface)
{
    m_pressedNumber = -1;
    layOut();
    for (auto &column : m_shown)
        column.fill(NoMark);
    for (int slot = 0; slot < Slots; ++slot)
        m_numbers[std::size_t(slot)] = {slot + 1, false};
    if (m_surface != surface)
        attachSurface(surface);
    else if (m_surface)
        drawAll();
}

void MarkSheet::attachSurface(SingleSheetSurface *surface)
{
    if (m_surface == surface)
        return;
    if (m_surface)
        m_surface->attachSheet(nullptr);
    m_surface = surface;
    if (!m_surface)
        return;
    m_surface->attachSheet(this);
    drawAll();
}

void MarkSheet::drawAll()
{
    for (int slot = 0; slot < Slots; ++slot)
        m_surface->placeNumber(slot, numberRect(slot), NumberFontSize);
    for (int slot = 0; slot < Slots; ++slot)
        for (int mark = 0; mark < Marks; ++mark)
            for (int match = 0; match < Matches; ++match)
                showBox(slot, mark, match, m_shown[std::size_t(slot)][std::size_t(match)] == mark);
    for (int slot = 0; slot < Slots; ++slot)
        drawNumber(slot);
    setBackMode();
}

void MarkSheet::setImage(int code, int mark, const QVariant &picture)
{
    if (code >= 0 && code < Marks && (mark == 0 || mark == 1))
        m_pictures[std::size_t(code)][std::size_t(mark)] = picture;
}

void MarkSheet::setBackMode()
{
    if (m_surface)
        m_surface->paintBackground(background());
}

void MarkSheet::setNo(int slot, qint32 value, bool selected)
{
    if (!isSlot(slot))
        return;
    m_numbers[std::size_t(slot)] = {value, selected};
    if (m_surface)
        drawNumber(slot);
}

void MarkSheet::drawNumber(int slot)
{
    const Number &number = m_numbers[std::size_t(slot)];
    m_surface->showNumber(slot, number.value < 0 ? QString() : QString::number(number.value),
                          number.selected ? WinColor::White : WinColor::Black,
                          number.selected ? WinColor::Black : WinColor::White);
}

void MarkSheet::setMark(int slot, qint32 value)
{
    if (!isSlot(slot))
        return;
    std::array<quint8, Matches> wanted;
    // A code that is no single shows like an empty slot.
    if (!SingleCode::isValidCode(value))
        wanted.fill(NoMark);
    else
        m_number.codeToBytes(value, wanted);
    auto &shown = m_shown[std::size_t(slot)];
    for (int match = 0; match < Matches; ++match) {
        const quint8 mark = wanted[std::size_t(match)];
        quint8 &cached = shown[std::size_t(match)];
        if (mark == cached)
            continue;
        if (m_surface && cached != NoMark)
            showBox(slot, cached, match, false);
        if (m_surface && mark != NoMark)
            showBox(slot, mark, match, true);
        cached = mark;
    }
}

void MarkSheet::showBox(int slot, int mark, int match, bool marked)
{
    m_surface->showMarkBox(markTag(slot, mark, match), markBoxRect(slot, mark, match),
                           m_pictures[std::size_t(mark)][marked ? 1 : 0]);
}

int MarkSheet::numberAt(QPointF point) const
{
    const int slot = column(point.x(), ColumnPitch * m_factorX);
    return isSlot(slot) && numberRect(slot).contains(point) ? slot : -1;
}

int MarkSheet::markBoxAt(QPointF point) const
{
    const int slot = column(point.x(), ColumnPitch * m_factorX);
    const int match = int(std::floor((point.y() - m_top) / (m_row + 1)));
    if (!isSlot(slot) || match < 0 || match >= Matches)
        return -1;
    for (int mark = 0; mark < Marks; ++mark)
        if (markBoxRect(slot, mark, match).contains(point))
            return markTag(slot, mark, match);
    return -1;
}

void MarkSheet::pressAt(int button, QPointF point)
{
    m_pressedNumber = -1;
    if (const int tag = markBoxAt(point); tag >= 0) {
        Q_EMIT mouseDown(slotOfTag(tag), markOfTag(tag), matchOfTag(tag), button);
        return;
    }
    if (button == 1)
        m_pressedNumber = numberAt(point);
}

void MarkSheet::releaseAt(int button, QPointF point)
{
    const int pressed = m_pressedNumber;
    m_pressedNumber = -1;
    if (pressed >= 0 && button == 1 && numberAt(point) == pressed)
        Q_EMIT NoClick(pressed);
}
