#include "singles/SinglesPageController.h"

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

clsTSingle::clsTSingle(SingleListStore &list, QObject *parent)
    : QObject(parent)
    , m_list(list)
{
    connect(&m_sheet, &clsTSingleDraw::NoClick, this, &clsTSingle::onNumberClick);
    connect(&m_sheet, &clsTSingleDraw::MouseDown, this,
            [this](int slot, int mark, int match, int) { onMarkClick(slot, mark, match); });
    connect(&m_list, &SingleListStore::ChangeCount, this, &clsTSingle::onCountChange);
    connect(&m_list, &SingleListStore::ChangeValue, this, &clsTSingle::onValueChange);
    connect(&m_list, &SingleListStore::ChangeFrame, this, &clsTSingle::showFrame);
}

void clsTSingle::Initialize(SingleSheetSurface *objPictureBox, GridSurface *picCount, GridSurface *picSList)
{
    m_sheet.Initialize(objPictureBox);
    m_countTable.Initialize(picCount, 60, 26);
    m_estimates.Initialize(picSList, 52, 28);
}

void clsTSingle::Attach(SingleSheetSurface *objPictureBox, GridSurface *picCount, GridSurface *picSList)
{
    m_sheet.AttachSurface(objPictureBox);
    m_countTable.Attach(picCount);
    m_estimates.Attach(picSList);
}

void clsTSingle::Show()
{
    m_page = 0;
    onCountChange(m_list.Count());
    showFrame();
}

void clsTSingle::showFrame()
{
    m_countTable.SetVisible(m_list.Visible());
    m_countTable.SetValue(m_list.Frame());
}

// Every single unselected; the page stays where it can.
void clsTSingle::onCountChange(qint32 count)
{
    BusyPointer busy;
    m_countText = Format::grouped(count);
    Q_EMIT CountTextChanged(m_countText);
    m_selected.assign(std::size_t(count), false);
    m_lastPage = (count - 1) / PageSize;
    MovePage(m_page);
}

void clsTSingle::onValueChange(qint32 index)
{
    const qint32 slot = index - m_page * PageSize;
    if (slot >= 0 && slot < PageSize)
        showSlot(int(slot));
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
    if (index < m_list.Count()) {
        const qint32 code = m_list.Codes().at(index);
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
        if (const qint32 index = indexOfSlot(slot); index < m_list.Count())
            m_sheet.SetNo(slot, index + 1, blnValue);
}

void clsTSingle::onNumberClick(int slot)
{
    const qint32 index = indexOfSlot(slot);
    if (slot < 0 || slot >= PageSize || index >= m_list.Count())
        return;
    const bool selected = !m_selected[std::size_t(index)];
    m_selected[std::size_t(index)] = selected;
    m_sheet.SetNo(slot, index + 1, selected);
}

void clsTSingle::onMarkClick(int slot, int mark, int match)
{
    const qint32 index = indexOfSlot(slot);
    if (index >= m_list.Count()) {
        // An empty slot takes a new single; the clicked mark is not applied.
        Add();
        return;
    }
    const qint32 old = m_list.Codes().at(index);
    if (mark < 0 || mark > 2 || match < 0 || match >= Matches || !clsTNumber::isValidCode(old))
        return;
    std::array<qint32, Matches> marks{};
    m_number.NoToLong(old, marks);
    marks[std::size_t(match)] = mark;
    qint32 code = 0;
    m_number.LongToNo(marks, code);
    m_list.SetAt(index, code);
}

void clsTSingle::Add()
{
    if (m_list.Append(0))
        MovePageLast();
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
    if (m_list.Append(code))
        MovePageLast();
    return true;
}

void clsTSingle::SelectDelete()
{
    if (m_list.Locked())
        return;
    const auto selectedCount = std::count(m_selected.begin(), m_selected.end(), true);
    if (selectedCount == 0) {
        Ui::instance().showMessage(Ui::Icon::Information, deleteTitle(),
                                   QStringLiteral("削除対象のシングルが選択されていません"));
        return;
    }
    if (!Ui::instance().askYesNo(deleteTitle(), QStringLiteral("選択シングルを削除します。よろしいですか？"),
                                 Ui::Icon::Question, Ui::Answer::No))
        return;
    if (m_list.RemoveSelected(m_selected))
        MovePage(m_page);
}
