#pragma once

#include "lottery/SingleCode.h"
#include "singles/SingleSheetSurface.h"

#include <QObject>
#include <QPointF>
#include <QSize>
#include <QVariant>

#include <array>

// The mark sheet of one page of singles: ten columns, one per single, each
// with its number at the top and for every match the three mark boxes "1",
// "0", "2", the single's mark shown marked. It lays the sheet out at the
// display scale, tells its surface what to draw and turns presses on the
// surface into NoClick and mouseDown. Only the boxes whose state changes are
// drawn again.
class MarkSheet : public QObject
{
    Q_OBJECT

public:
    static constexpr int Slots = 10;
    static constexpr int Matches = SingleCode::MatchCount;
    static constexpr int Marks = 3;
    // The displayed-mark cache's value for a column and match without a mark.
    static constexpr quint8 NoMark = 255;
    // Layout pixels at 96 dots per inch.
    static constexpr int ColumnPitch = 53;
    static constexpr int SheetWidth = 532;
    static constexpr QSize MarkBoxSize{12, 20};
    static constexpr double NumberFontSize = 12;

    explicit MarkSheet(QObject *parent = nullptr);
    ~MarkSheet() override;

    // Lays the sheet out at the display scale, shows ten numbers and every
    // box unmarked, and paints the background.
    void initialize(SingleSheetSurface *surface);
    // The page's sheet area takes the sheet as it stands.
    void attachSurface(SingleSheetSurface *surface);
    // The surface is going away; the sheet draws nothing more.
    void detachSurface() { m_surface = nullptr; }
    // The picture of a mark code's box: mark 0 unmarked, 1 marked.
    void setImage(int code, int mark, const QVariant &picture);
    // A number label: the number, or nothing for -1; white on black when selected.
    void setNo(int slot, qint32 value, bool selected);
    // A column shows the marks of a single, or none for -1.
    void setMark(int slot, qint32 value);
    void setBackMode();
    // A vertical layout length scaled to the display, cut to whole pixels.
    static int scaledY(double length);

    // Geometry, in pixels of the sheet area.
    double width() const { return m_width; }
    int height() const { return m_height; }
    int headerHeight() const { return m_header; }
    int rowHeight() const { return m_row; }
    // Top of the row of a match (0 … 13).
    int rowTop(int match) const { return m_top + match * (m_row + 1); }
    QRectF numberRect(int slot) const;
    QRectF markBoxRect(int slot, int mark, int match) const;
    SheetBackground background() const;

    // Tags map a label or a box back to what it shows: a number label's tag
    // is its slot, a mark box's tag slot × 1000 + mark × 100 + match.
    static int markTag(int slot, int mark, int match) { return slot * 1000 + mark * 100 + match; }
    static int slotOfTag(int tag) { return tag / 1000; }
    static int markOfTag(int tag) { return tag / 100 % 10; }
    static int matchOfTag(int tag) { return tag % 100; }
    // The tag of the number label under a point; -1 for none.
    int numberAt(QPointF point) const;
    // The tag of the mark box under a point; -1 for none.
    int markBoxAt(QPointF point) const;

    // The mark drawn marked in a column and match, NoMark for none.
    quint8 displayedMark(int slot, int match) const { return m_shown[std::size_t(slot)][std::size_t(match)]; }

    // The surface's mouse. A press on a mark box with any button is a
    // mouseDown at once; a left press and release on the same number label
    // is a NoClick.
    void pressAt(int button, QPointF point);
    void releaseAt(int button, QPointF point);

Q_SIGNALS:
    void NoClick(int slot);
    // Button: 1 left, 2 right, 4 middle.
    void mouseDown(int slot, int mark, int match, int button);

private:
    struct Number
    {
        qint32 value = -1;
        bool selected = false;
    };

    void layOut();
    void drawAll();
    void drawNumber(int slot);
    void showBox(int slot, int mark, int match, bool marked);
    // Left to right the boxes show the marks "1", "0", "2".
    static int positionOfMark(int mark) { return mark == 1 ? 0 : mark == 0 ? 1 : 2; }

    SingleCode m_number;
    SingleSheetSurface *m_surface = nullptr;
    std::array<std::array<QVariant, 2>, Marks> m_pictures;
    std::array<std::array<quint8, Matches>, Slots> m_shown{};
    std::array<Number, Slots> m_numbers{};
    double m_factorX = 1;
    double m_factorY = 1;
    double m_width = SheetWidth;
    int m_header = 21;
    int m_row = 26;
    int m_top = 24;
    int m_height = 401;
    int m_pressedNumber = -1;
};
