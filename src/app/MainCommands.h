#pragma once

#include <QString>

class Clipboard;
class FileDialogs;
class MainDocument;

// The commands of the main window's menus and buttons, on its document: the
// singles files, sorting, duplicate removal, the clipboard, the manual and
// the team-name update. The window binds its actions to them.
class MainCommands
{
public:
    MainCommands(MainDocument &document, FileDialogs &dialogs, Clipboard &clipboard);

    void newFile();
    void open();
    // What 開く does with the file the dialog gave: load it, select its round,
    // show the singles page and make it the current file.
    void openPath(const QString &path);
    void save();
    void saveAs();

    // Sort kinds of the シングル並べ替え menu.
    enum SortKind { ByEstimate = 1, ByMark = 2, ByPopularity = 3 };
    void sort(SortKind kind, int item, bool ascending);
    void sortByHits(bool ascending);
    void removeDuplicates();

    // 3: one single a line, 4: one single a column.
    void copyToClipboard(int layout);
    void importFromClipboard();

    static void openManual();
    void updateTeamNames(bool askFirst);

    // Which sort items can be used now.
    struct SortItems
    {
        bool estimatesAndPopularity = false;   // the round has vote data
        bool hits = false;                     // on the check page
        bool singlesEditing = false;           // on the singles page
    };
    SortItems enabledSortItems() const;

    static QString manualAddress();

private:
    bool saveTo(const QString &path);

    MainDocument &m_document;
    FileDialogs &m_dialogs;
    Clipboard &m_clipboard;
};
