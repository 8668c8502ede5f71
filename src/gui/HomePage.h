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
    QPushButton *quorvelButton() const { return m_teamNameUpdateButton; }
    // Refreshes the information panel with the time left now.
    void showSalesStatus();
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
    QComboBox *m_groupBox = nullptr;
    QLabel *m_scheduleLabel = nullptr;
    QFrame *m_roundPicture = nullptr;
    QLabel *m_roundStatusLabel = nullptr;
    std::array<QLabel *, 3> m_roundListLabel{};
    std::array<QPushButton *, 3> m_officialDownloadButton{};
    QCheckBox *m_downloadCheck = nullptr;
    QPushButton *m_teamNameUpdateButton = nullptr;
    QPushButton *m_user2Button = nullptr;
};
