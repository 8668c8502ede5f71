#include "singles/SinglesPageController.h"

#include "support/Format.h"
#include "support/Ui.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

constexpr int Matches = SingleCode::MatchCount;

const QString &deleteTitle()
{
    static const QString title = QStringLiteral("選択シングルを削除");
    return title;
}

} // namespace

SinglesPageController::SinglesPageController(SingleListStore &list, QObject *parent)
    : QObject(parent)
    , m_list(list)
{
    connect(&m_sheet, &MarkSheet::NoClick, this, &SinglesPageController::onNumberClick);
    connect(&m_sheet, &MarkSheet::mouseDown, this,
            [this](int slot, int mark, int match, int) { onMarkClick(slot, mark, match); });
    connect(&m_list, &SingleListStore::changeCount, this, &SinglesPageController::onCountChange);
    connect(&m_list, &SingleListStore::ChangeValue, this, &SinglesPageController::onValueChange);
    connect(&m_list, &SingleListStore::changeFrame, this, &SinglesPageController::showFrame);
}

void SinglesPageController::initialize(SingleSheetSurface *surface, GridSurface *countSurface, GridSurface *estimateSurface)
{
    m_sheet.initialize(surface);
    m_countTable.initialize(countSurface, 60, 26);
    m_estimates.initialize(estimateSurface, 52, 28);
}

void SinglesPageController::attach(SingleSheetSurface *surface, GridSurface *countSurface, GridSurface *estimateSurface)
{
    m_sheet.attachSurface(surface);
    m_countTable.attach(countSurface);
    m_estimates.attach(estimateSurface);
}

void SinglesPageController::show()
{
    m_page = 0;
    onCountChange(m_list.count());
    showFrame();
}

void SinglesPageController::showFrame()
{
    m_countTable.setVisible(m_list.visible());
    m_countTable.setValue(m_list.frame());
}

// Every single unselected; the page stays where it can.
void SinglesPageController::onCountChange(qint32 count)
{
    BusyPointer busy;
    m_countText = Format::grouped(count);
    Q_EMIT CountTextChanged(m_countText);
    m_selected.assign(std::size_t(count), false);
    m_lastPage = (count - 1) / PageSize;
    movePage(m_page);
}

void SinglesPageController::onValueChange(qint32 index)
{
    const qint32 slot = index - m_page * PageSize;
    if (slot >= 0 && slot < PageSize)
        showSlot(int(slot));
}

void SinglesPageController::movePage(qint32 page)
{
    // A page beyond the list would leave the arrows pointing nowhere.
    m_page = std::clamp(page, 0, m_lastPage);
    for (int slot = 0; slot < PageSize; ++slot)
        showSlot(slot);
    m_pageText = QString::number(m_page + 1) + u'／' + QString::number(m_lastPage + 1);
    Q_EMIT pageTextChanged(m_pageText);
    Q_EMIT arrowsChanged(previousUsable(), nextUsable());
}

void SinglesPageController::showSlot(int slot)
{
    const qint32 index = indexOfSlot(slot);
    if (index < m_list.count()) {
        const qint32 code = m_list.codes().at(index);
        m_sheet.setNo(slot, index + 1, m_selected[std::size_t(index)]);
        m_sheet.setMark(slot, code);
        m_estimates.setData(slot, code);
    } else {
        m_sheet.setNo(slot, -1, false);
        m_sheet.setMark(slot, -1);
        m_estimates.setData(slot, -1);
    }
}

void SinglesPageController::movePrevious()
{
    movePage(std::max(m_page - 1, 0));
}

void SinglesPageController::moveNext()
{
    movePage(std::min(m_page + 1, m_lastPage));
}

void SinglesPageController::setAllSelect(bool on)
{
    std::fill(m_selected.begin(), m_selected.end(), on);
    for (int slot = 0; slot < PageSize; ++slot)
        if (const qint32 index = indexOfSlot(slot); index < m_list.count())
            m_sheet.setNo(slot, index + 1, on);
}

void SinglesPageController::onNumberClick(int slot)
{
    const qint32 index = indexOfSlot(slot);
    if (slot < 0 || slot >= PageSize || index >= m_list.count())
        return;
    const bool selected = !m_selected[std::size_t(index)];
    m_selected[std::size_t(index)] = selected;
    m_sheet.setNo(slot, index + 1, selected);
}

void SinglesPageController::onMarkClick(int slot, int mark, int match)
{
    const qint32 index = indexOfSlot(slot);
    if (index >= m_list.count()) {
        // An empty slot takes a new single; the clicked mark is not applied.
        add();
        return;
    }
    const qint32 old = m_list.codes().at(index);
    if (mark < 0 || mark > 2 || match < 0 || match >= Matches || !SingleCode::isValidCode(old))
        return;
    std::array<qint32, Matches> marks{};
    m_number.codeToInts(old, marks);
    marks[std::size_t(match)] = mark;
    qint32 code = 0;
    m_number.intsToCode(marks, code);
    m_list.setAt(index, code);
}

void SinglesPageController::add()
{
    if (m_list.append(0))
        movePageLast();
}

bool SinglesPageController::addEx(const QString &text)
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
    m_number.intsToCode(marks, code);
    if (m_list.append(code))
        movePageLast();
    return true;
}

void SinglesPageController::selectDelete()
{
    if (m_list.locked())
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
    if (m_list.removeSelected(m_selected))
        movePage(m_page);
}
