#include "gui/QtFileDialogs.h"

#include "support/PathRules.h"

#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QRegularExpression>
#include <QTreeView>

namespace {

// The proposed name in the start folder, or a path the proposal already names.
QString startPath(const QString &folder, const QString &proposed)
{
    const QString native = PathRules::toNativePath(proposed);
    if (QDir::isAbsolutePath(native))
        return native;
    return QDir(PathRules::toNativePath(folder)).filePath(native);
}

// The extension of the filter's first pattern: "csv" for "CSVファイル(*.csv)".
QString extensionOf(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    return pattern.match(filter).captured(1);
}

// Qt's own dialog (where the platform has none) sizes its size, type and
// date columns for English sample texts; they fit their contents instead,
// and the name takes the room that is left.
void fitDetailColumns(QFileDialog &dialog)
{
    auto *details = dialog.findChild<QTreeView *>(QStringLiteral("treeView"));
    if (!details)
        return;
    QHeaderView *header = details->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < header->count(); ++column)
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
}

// The dialog in the folder of the start path, with its name selected.
QString chosenPath(QFileDialog &dialog, const QString &start)
{
    const QFileInfo startInfo(start);
    dialog.setDirectory(startInfo.absolutePath());
    dialog.selectFile(startInfo.fileName());
    fitDetailColumns(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

} // namespace

QString QtFileDialogs::openFileName(const QString &title, const QString &filter, const QString &folder,
                                    const QString &proposed)
{
    QFileDialog dialog(m_owner, title, QString(), filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenPath(dialog, startPath(folder, proposed));
}

QString QtFileDialogs::saveFileName(const QString &title, const QString &filter, const QString &folder,
                                    const QString &proposed)
{
    QFileDialog dialog(m_owner, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog's question about replacing a file names the file that is saved.
    dialog.setDefaultSuffix(extensionOf(filter));
    return chosenPath(dialog, startPath(folder, proposed));
}

QString QtFileDialogs::folderName(const QString &title, const QString &folder)
{
    return QFileDialog::getExistingDirectory(m_owner, title, PathRules::toNativePath(folder));
}
