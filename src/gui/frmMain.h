#pragma once

#include <QMainWindow>

// The main window. Closing it ends the program.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(QWidget *parent = nullptr);
};
