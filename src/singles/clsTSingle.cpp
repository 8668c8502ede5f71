#include "singles/clsTSingle.h"

#include "singles/clsTSingleFrame.h"
#include "support/Format.h"
#include "support/Ui.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

constexpr int Matches = clsTNumber::MatchCount;

const QString &deleteTitle()
{
    static const QString title = QStringLiteral("選択シングルを削除");
    return title;
}

} // namespace

clsTSingle::clsTSingle(QObject *parent)
    : QObject(parent)
{
    connect(&m_sheet, &clsTSingleDraw::NoClick, this, &clsTSingle::onNumberClick);
    connect(&m_sheet, &clsTSingleDraw::MouseDown, this,
            [this](int slot, int mark, int match, int) { onMarkClick(slot, mark, match); });
}

void clsTSingle::Initialize(SingleSheetSurface *objPictureBox, GridSurface *picCount, GridSurface *picSList)
{
    m_sheet.Initialize(objPictureBox);
    m_countTable.Initialize(picCount, 60, 26);
    m_estimates.Initialize(picSList, 52, 28);
}

void clsTSingle::SetSingleFrame(const MarkCounts &lngValue, const MatchFlags &blnVisible)
{
    m_countTable.SetVisible(blnVisible);
    m_countTable.SetValue(lngValue);
    m_frame = lngValue;
}

void clsTSingle::SetSingle(qint32 lngSingleCount, const QList<qint32> &lngSingle)
{
    BusyPointer busy;
    // A count beyond the codes handed over would read past the list.
    m_count = std::clamp(lngSingleCount, 0, qint32(std::min<qsizetype>(lngSingle.size(), std::numeric_limits<qint32>::max())));
    m_single = lngSingle;
    m_countText = Format::grouped(m_count);
    Q_EMIT CountTextChanged(m_countText);
    m_selected.assign(std::size_t(m_count), false);
    m_lastPage = (m_count - 1) / PageSize;
}

void clsTSingle::MovePage(qint32 lngPage)
{
    // A page beyond the list would leave the arrows pointing nowhere.
    m_page = std::clamp(lngPage, 0, m_lastPage);
    for (int slot = 0; slot < PageSize; ++slot)
        showSlot(slot);
    m_pageText = QString::number(m_page + 1) + u'／' + QString::number(m_lastPage + 1);
    Q_EMIT PageTextChanged(m_pageText);
    Q_EMIT ArrowsChanged(PreviousUsable(), NextUsable());
}

void clsTSingle::showSlot(int slot)
{
    const qint32 index = indexOfSlot(slot);
    if (index < m_count) {
        const qint32 code = m_single.at(index);
        m_sheet.SetNo(slot, index + 1, m_selected[std::size_t(index)]);
        m_sheet.SetMark(slot, code);
        m_estimates.SetData(slot, code);
    } else {
        m_sheet.SetNo(slot, -1, false);
        m_sheet.SetMark(slot, -1);
        m_estimates.SetData(slot, -1);
    }
}

void clsTSingle::MovePrevious()
{
    MovePage(std::max(m_page - 1, 0));
}

void clsTSingle::MoveNext()
{
    MovePage(std::min(m_page + 1, m_lastPage));
}

void clsTSingle::SetAllSelect(bool blnValue)
{
    std::fill(m_selected.begin(), m_selected.end(), blnValue);
    for (int slot = 0; slot < PageSize; ++slot)
        if (const qint32 index = indexOfSlot(slot); index < m_count)
            m_sheet.SetNo(slot, index + 1, blnValue);
}

void clsTSingle::onNumberClick(int slot)
{
    const qint32 index = indexOfSlot(slot);
    if (slot < 0 || slot >= PageSize || index >= m_count)
        return;
    const bool selected = !m_selected[std::size_t(index)];
    m_selected[std::size_t(index)] = selected;
    m_sheet.SetNo(slot, index + 1, selected);
}

void clsTSingle::onMarkClick(int slot, int mark, int match)
{
    const qint32 index = indexOfSlot(slot);
    if (index >= m_count) {
        // An empty slot takes a new single; the clicked mark is not applied.
        Add();
        return;
    }
    if (mark < 0 || mark > 2 || match < 0 || match >= Matches || !clsTNumber::isValidCode(m_single.at(index)))
        return;
    std::array<qint32, Matches> marks{};
    m_number.NoToLong(m_single.at(index), marks);
    const qint32 old = marks[std::size_t(match)];
    marks[std::size_t(match)] = mark;
    qint32 code = 0;
    m_number.LongToNo(marks, code);
    m_single[index] = code;
    Q_EMIT ChangeValue(index, code);

    m_sheet.SetMark(slot, code);
    m_estimates.SetData(slot, code);
    --m_frame[std::size_t(old)][std::size_t(match)];
    ++m_frame[std::size_t(mark)][std::size_t(match)];
    Q_EMIT ChangeFrame(m_frame);
}

void clsTSingle::Add()
{
    appendSingle(0);
}

bool clsTSingle::AddEx(const QString &text)
{
    if (text.size() != Matches)
        return false;
    std::array<qint32, Matches> marks{};
    for (int match = 0; match < Matches; ++match) {
        const QChar digit = text[match];
        if (digit < u'0' || digit > u'2')
            return false;
        marks[std::size_t(match)] = digit.unicode() - u'0';
    }
    qint32 code = 0;
    m_number.LongToNo(marks, code);
    appendSingle(code);
    return true;
}

void clsTSingle::appendSingle(qint32 code)
{
    std::array<qint32, Matches> marks{};
    m_number.NoToLong(code, marks);
    for (int match = 0; match < Matches; ++match)
        ++m_frame[std::size_t(marks[std::size_t(match)])][std::size_t(match)];

    QList<qint32> singles(qsizetype(m_count) + 1);
    std::copy_n(m_single.constData(), m_count, singles.data());
    singles.back() = code;
    Q_EMIT ChangeCount(m_count + 1, singles);
    Q_EMIT ChangeFrame(m_frame);
    MovePageLast();
}

void clsTSingle::SelectDelete()
{
    const auto selectedCount = std::count(m_selected.begin(), m_selected.end(), true);
    if (selectedCount == 0) {
        Ui::instance().showMessage(Ui::Icon::Information, deleteTitle(),
                                   QStringLiteral("削除対象のシングルが選択されていません"));
        return;
    }
    if (!Ui::instance().askYesNo(deleteTitle(), QStringLiteral("選択シングルを削除します。よろしいですか？"),
                                 Ui::Icon::Question, Ui::Answer::No))
        return;

    QList<qint32> kept;
    kept.reserve(m_count - qsizetype(selectedCount));
    clsTSingleFrame deleted;
    for (qint32 index = 0; index < m_count; ++index) {
        if (m_selected[std::size_t(index)])
            deleted.Add(m_single.at(index));
        else
            kept.append(m_single.at(index));
    }
    const MarkCounts removed = deleted.Frame();
    for (std::size_t mark = 0; mark < m_frame.size(); ++mark)
        for (std::size_t match = 0; match < std::size_t(Matches); ++match)
            m_frame[mark][match] -= removed[mark][match];

    Q_EMIT ChangeCount(qint32(kept.size()), kept);
    Q_EMIT ChangeFrame(m_frame);
    if (m_lastPage < m_page)
        m_page = m_lastPage;
    MovePage(m_page);
}
