#include "common/RecordingSheetSurface.h"

#include "singles/MarkSheet.h"

RecordingSheetSurface::~RecordingSheetSurface()
{
    if (m_sheet)
        m_sheet->detachSurface();
}

void RecordingSheetSurface::paintBackground(const SheetBackground &background)
{
    m_background = background;
    ++m_backgroundPaints;
}

void RecordingSheetSurface::placeNumber(int slot, const QRectF &rect, double fontPoints)
{
    Number &number = m_numbers.at(std::size_t(slot));
    number.rect = rect;
    number.fontPoints = fontPoints;
}

void RecordingSheetSurface::showNumber(int slot, const QString &text, quint32 foreColor, quint32 backColor)
{
    Number &number = m_numbers.at(std::size_t(slot));
    number.text = text;
    number.foreColor = foreColor;
    number.backColor = backColor;
}

void RecordingSheetSurface::showMarkBox(int tag, const QRectF &rect, const QVariant &picture)
{
    m_boxes.insert(tag, {rect, picture});
    m_boxLog.append(tag);
}

QStringList RecordingSheetSurface::numberTexts() const
{
    QStringList texts;
    for (const Number &number : m_numbers)
        texts.append(number.text);
    return texts;
}

QVariant RecordingSheetSurface::picture(int mark, bool marked)
{
    return QString::number(mark) + (marked ? QStringLiteral("*") : QString());
}

void RecordingSheetSurface::givePictures(MarkSheet &sheet)
{
    for (int mark = 0; mark < MarkSheet::Marks; ++mark)
        for (const bool marked : {false, true})
            sheet.setImage(mark, marked ? 1 : 0, picture(mark, marked));
}

QString RecordingSheetSurface::markedMarks(int slot) const
{
    QString marks;
    for (int match = 0; match < MarkSheet::Matches; ++match) {
        QChar shown = u'-';
        for (int mark = 0; mark < MarkSheet::Marks; ++mark) {
            if (box(MarkSheet::markTag(slot, mark, match)).picture != picture(mark, true))
                continue;
            shown = shown == u'-' ? QChar(u'0' + mark) : QChar(u'?');
        }
        marks += shown;
    }
    return marks;
}
