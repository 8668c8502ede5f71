#pragma once

#include "singles/SingleSheetSurface.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include <array>

class MarkSheet;

// The picture area of the single sheet: the painted background with its
// bands and red lines, the ten number labels on top and the 420 mark boxes,
// each showing the picture its sheet gave it. Presses go to the sheet, which
// maps them to the label or box under the mouse.
class SingleSheetView : public QWidget, public SingleSheetSurface
{
    Q_OBJECT

public:
    explicit SingleSheetView(QWidget *parent = nullptr);
    ~SingleSheetView() override;

    // Gives a sheet the program's six mark pictures, drawn for this view's screen.
    void giveMarkPictures(MarkSheet &sheet) const;

    void attachSheet(MarkSheet *sheet) override;
    void paintBackground(const SheetBackground &background) override;
    void placeNumber(int slot, const QRectF &rect, double fontPoints) override;
    void showNumber(int slot, const QString &text, quint32 foreColor, quint32 backColor) override;
    void showMarkBox(int tag, const QRectF &rect, const QVariant &picture) override;

    // The font of the number labels.
    const QFont &numberFont() const { return m_numberFont; }
    // The font a number is drawn in: the labels' font, made smaller for a
    // number too wide for its label (seven digits from single 1,000,000 on).
    QFont numberFontFor(const QString &text, int width) const;
    // Where a number label stands, in whole pixels.
    QRect numberRect(int slot) const { return m_numbers.at(std::size_t(slot)).rect; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // The second press of a double click is no new press: a box is marked once.
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    struct Number
    {
        QRect rect;
        QString text;
        QColor foreColor = Qt::black;
        QColor backColor = Qt::white;
    };
    struct Box
    {
        QRect rect;
        QImage picture;
    };

    static QPoint pixels(QPointF point);
    static QRect pixels(const QRectF &rect);

    QPointer<MarkSheet> m_sheet;
    QImage m_background;
    QFont m_numberFont;
    std::array<Number, 10> m_numbers;
    QHash<int, Box> m_boxes;
};
