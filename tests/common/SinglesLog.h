#pragma once

#include <QObject>
#include <QStringList>

class SingleListStore;
class SinglesPageController;

// What the list store tells and which pages the singles view shows, in the
// order they happen: "ChangeValue 3 19", "changeFrame", "changeCount 11",
// "page 2／2".
class SinglesLog : public QObject
{
    Q_OBJECT

public:
    SinglesLog(SingleListStore &list, SinglesPageController &view);

    QStringList lines;
};
