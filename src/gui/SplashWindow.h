#pragma once

#include <QWidget>

class QLabel;

// The splash window shown while the main window builds itself.
class frmLoad : public QWidget
{
    Q_OBJECT

public:
    explicit frmLoad(QWidget *parent = nullptr);

    QLabel *lblCopyright() const { return m_lblCopyright; }

private:
    QLabel *m_lblCopyright;
};
