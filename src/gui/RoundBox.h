#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;
class MainDocument;
class RoundSelection;

// The round box with its spin arrows, bound to the round selection: only
// digits and Backspace can be typed, pasted or input text keeps its digits
// alone (full-width ones made half-width), Up and Down step by one, Page Up
// and Page Down go to the ends, and the box always shows what the controller
// made of the text.
class RoundBox : public QWidget
{
    Q_OBJECT

public:
    RoundBox(RoundSelection &main, QWidget *parent = nullptr);
    // In the main window the box shows the round text the document tells,
    // which a command tells once it ends.
    void followDocument(MainDocument &document);

    QLineEdit *scheduleNumberEdit() const { return m_text; }
    // Selects the first four characters so that typing replaces the number.
    void selectNumber();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show(const QString &text);

    RoundSelection &m_main;
    QMetaObject::Connection m_textFollow;
    QLineEdit *m_text;
    QToolButton *m_up;
    QToolButton *m_down;
};
