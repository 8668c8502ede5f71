#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh application folder for one test: a temporary directory that the
// program resolves its relative paths against while this object lives.
class TestAppFolder
{
public:
    enum class SysData { None, Empty, Shipped };

    explicit TestAppFolder(SysData sysData = SysData::Shipped);
    ~TestAppFolder();

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    // A native path below the folder ("SysData/bigSettings.ini").
    QString filePath(const QString &relative) const;

    void writeFile(const QString &relative, const QByteArray &bytes) const;
    QByteArray readFile(const QString &relative) const;
    bool exists(const QString &relative) const;
    void remove(const QString &relative) const;

private:
    QTemporaryDir m_dir;
};
