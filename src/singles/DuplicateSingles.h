#pragma once

#include <QList>
#include <QtGlobal>

#include <optional>

// Removal of equal singles from a list: the first of equal singles keeps its
// place, later copies are dropped. One walk over the list with a flag per
// possible single (3^14 flags), never a comparison of pairs.
class DuplicateSingles
{
public:
    // The list without later copies, and the information box that tells the
    // user what happened: nothing when every single occurs once, otherwise
    // the new list and the count before and after.
    static std::optional<QList<qint32>> remove(const QList<qint32> &singles);

    // The same walk without any message; the list itself (shared, not copied)
    // when nothing is dropped. A code that is no single is kept where it stands.
    static QList<qint32> without(const QList<qint32> &singles);
};
