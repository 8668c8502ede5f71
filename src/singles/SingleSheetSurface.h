#pragma once

#include <QLineF>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QVariant>

class MarkSheet;

// The sheet's background: filled bands first, then the lines over them, on
// the sheet's back colour. Lengths are pixels of the sheet area; scaled
// lengths keep their fraction, as the sheet's geometry gives them.
struct SheetBackground
{
    struct Band
    {
        QRectF rect;
        quint32 color = 0;
    };
    struct Stroke
    {
        QLineF line;
        double width = 1;
        quint32 color = 0;
    };

    QSizeF size;
    quint32 backColor = 0;
    QList<Band> bands;
    QList<Stroke> strokes;
};

// The picture area the single sheet draws on and whose mouse presses it
// receives. The window layer implements it (SingleSheetView); tests put a
// recording one in its place. Colours are window-system values (&HBBGGRR).
class SingleSheetSurface
{
public:
    virtual ~SingleSheetSurface() = default;

    // The sheet that draws here and receives the mouse; nullptr detaches it.
    virtual void attachSheet(MarkSheet *sheet) = 0;
    // The area takes the size of the background and keeps its picture; the
    // number labels and mark boxes stay on top of it.
    virtual void paintBackground(const SheetBackground &background) = 0;
    // Where a number label stands and the size of its font, in points.
    virtual void placeNumber(int slot, const QRectF &rect, double fontPoints) = 0;
    // A number label's text (centred) and colours.
    virtual void showNumber(int slot, const QString &text, quint32 foreColor, quint32 backColor) = 0;
    // A mark box, known by its tag, shows a picture at a place.
    virtual void showMarkBox(int tag, const QRectF &rect, const QVariant &picture) = 0;
};
