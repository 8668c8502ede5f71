#pragma once

#include <QWidget>

#include <array>

class MainDocument;
struct MainActions;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class RoundBox;

// The home page: round and group, the round information panel, the official
// downloads, the team-name buttons and the version.
class HomePage : public QWidget
{
    Q_OBJECT

public:
    HomePage(MainDocument &document, const MainActions &actions, QWidget *parent = nullptr);

    RoundBox *roundBox() const { return m_roundBox; }
    QPushButton *quorvelButton() const { return m_cmdQuorvelDownload; }
    // Refreshes the information panel with the time left now.
    void ShowSalesStatus();
    void refreshDownloadButtons();

private:
    QWidget *createRoundFrame();
    QWidget *createInformationPanel();
    QWidget *createDownloadFrame();
    QWidget *createTeamNameFrame(const QString &title, const QString &buttonName, QPushButton *&button);
    QWidget *createVersionFrame();
    void setTabOrder();
    void openTeamNameDialog();

    MainDocument &m_document;
    RoundBox *m_roundBox = nullptr;
    QComboBox *m_cmbKumi = nullptr;
    QLabel *m_lblSchedule = nullptr;
    QFrame *m_picKaisai = nullptr;
    QLabel *m_lblKaisaiStatus = nullptr;
    std::array<QLabel *, 3> m_lblKaisaiList{};
    std::array<QPushButton *, 3> m_cmdOfficialDownload{};
    QCheckBox *m_chkDownload = nullptr;
    QPushButton *m_cmdQuorvelDownload = nullptr;
    QPushButton *m_cmdUser2 = nullptr;
};
