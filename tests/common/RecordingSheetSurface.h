#pragma once

#include "singles/SingleSheetSurface.h"

#include <QHash>
#include <QList>

#include <array>

// A sheet surface for tests: keeps the background, the number labels and
// every mark box's latest picture, and logs each box drawing.
class RecordingSheetSurface : public SingleSheetSurface
{
public:
    struct Number
    {
        QRectF rect;
        double fontPoints = 0;
        QString text;
        quint32 foreColor = 0;
        quint32 backColor = 0;
    };
    struct Box
    {
        QRectF rect;
        QVariant picture;
    };

    ~RecordingSheetSurface() override;

    void attachSheet(MarkSheet *sheet) override { m_sheet = sheet; }
    void paintBackground(const SheetBackground &background) override;
    void placeNumber(int slot, const QRectF &rect, double fontPoints) override;
    void showNumber(int slot, const QString &text, quint32 foreColor, quint32 backColor) override;
    void showMarkBox(int tag, const QRectF &rect, const QVariant &picture) override;

    // The six mark pictures tests register: the mark's digit, with "*" after
    // it when marked.
    static QVariant picture(int mark, bool marked);
    static void givePictures(MarkSheet &sheet);
    // Per match of a column, the digit of the box shown marked; "-" for none,
    // "?" when more than one box of the match is marked.
    QString markedMarks(int slot) const;

    MarkSheet *sheet() const { return m_sheet; }
    const SheetBackground &background() const { return m_background; }
    int backgroundPaints() const { return m_backgroundPaints; }
    const Number &number(int slot) const { return m_numbers.at(std::size_t(slot)); }
    // The texts of the ten number labels.
    QStringList numberTexts() const;
    // The latest box drawing by tag; an empty box when never drawn.
    Box box(int tag) const { return m_boxes.value(tag); }
    // The tags of every box drawn since the log was last cleared, in order.
    const QList<int> &boxLog() const { return m_boxLog; }
    void clearBoxLog() { m_boxLog.clear(); }

private:
    MarkSheet *m_sheet = nullptr;
    SheetBackground m_background;
    int m_backgroundPaints = 0;
    std::array<Number, 10> m_numbers;
    QHash<int, Box> m_boxes;
    QList<int> m_boxLog;
};
