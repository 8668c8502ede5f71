#pragma once

#include <QObject>
#include <QStringList>

class SingleListStore;
class clsTSingle;

// What the list store tells and which pages the singles view shows, in the
// order they happen: "ChangeValue 3 19", "ChangeFrame", "ChangeCount 11",
// "page 2／2".
class SinglesLog : public QObject
{
    Q_OBJECT

public:
    SinglesLog(SingleListStore &list, clsTSingle &view);

    QStringList lines;
};
