#include "gui/HomePage.h"

#include "gui/MainMenus.h"

#include "app/MainDocument.h"
#include "app/RoundInfoText.h"
#include "gui/RoundBox.h"
#include "gui/TeamNameDialog.h"
#include "gui/PageParts.h"
#include "support/Ui.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using PageParts::scaledX;
using PageParts::scaledY;

QGroupBox *frame(const QString &title, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(scaledX(10), scaledY(8), scaledX(10), scaledY(10));
    layout->setSpacing(scaledY(6));
    return box;
}

QLabel *label(const QString &text, QWidget *parent, const QString &name = QString())
{
    auto *result = new QLabel(text, parent);
    if (!name.isEmpty())
        result->setObjectName(name);
    return result;
}

QPushButton *button(const QString &text, const QString &name, QWidget *parent)
{
    QPushButton *result = PageParts::button(text, name, parent);
    result->setMinimumSize(scaledX(96), scaledY(26));
    return result;
}

} // namespace

HomePage::HomePage(MainDocument &document, const MainActions &actions, QWidget *parent)
    : QWidget(parent)
    , m_document(document)
{
    setObjectName(QStringLiteral("picPage_0"));
    auto *right = new QVBoxLayout;
    right->setSpacing(scaledY(8));
    right->addWidget(createDownloadFrame());
    QWidget *quorvel = createTeamNameFrame(QStringLiteral("Quorvelよりダウンロード"),
                                           QStringLiteral("cmdQuorvelDownload"), m_teamNameUpdateButton);
    right->addWidget(quorvel);
    connect(m_teamNameUpdateButton, &QPushButton::clicked, actions.updateTeamNames, &QAction::trigger);
    right->addWidget(createTeamNameFrame(QStringLiteral("ユーザー定義"), QStringLiteral("cmdUser2"), m_user2Button));
    right->addWidget(createVersionFrame());
    right->addStretch();

    auto *left = new QVBoxLayout;
    left->addWidget(createRoundFrame());
    left->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(scaledX(16), scaledY(14), scaledX(16), scaledY(14));
    layout->setSpacing(scaledX(16));
    layout->addLayout(left);
    layout->addLayout(right);
    layout->addStretch();

    connect(m_user2Button, &QPushButton::clicked, this, &HomePage::openTeamNameDialog);
    connect(&m_document, &MainDocument::downloadStatesChange, this, &HomePage::refreshDownloadButtons);
    setTabOrder();
}

QWidget *HomePage::createRoundFrame()
{
    QGroupBox *box = frame(QStringLiteral("開催情報"), this);
    box->setObjectName(QStringLiteral("fraKaisai"));
    box->setFixedWidth(scaledX(430));

    m_roundBox = new RoundBox(m_document.roundSelection(), box);
    m_roundBox->followDocument(m_document);
    m_groupBox = new QComboBox(box);
    m_groupBox->setObjectName(QStringLiteral("cmbKumi"));
    m_groupBox->addItems(RoundSelection::groups());
    m_groupBox->setMinimumWidth(scaledX(64));
    connect(m_groupBox, &QComboBox::activated, &m_document.roundSelection(), &RoundSelection::groupClick);

    m_scheduleLabel = label(QStringLiteral("<a href=\"schedule\">販売スケジュールを確認する</a>"), box,
                          QStringLiteral("lblSchedule"));
    m_scheduleLabel->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_scheduleLabel->setFocusPolicy(Qt::TabFocus);
    connect(m_scheduleLabel, &QLabel::linkActivated, this,
            [] { Ui::instance().openAddress(RoundInfoText::salesScheduleUrl()); });

    auto *row = new QHBoxLayout;
    row->setSpacing(scaledX(4));
    row->addWidget(label(QStringLiteral("第"), box));
    row->addWidget(m_roundBox);
    row->addWidget(label(QStringLiteral("回"), box));
    row->addSpacing(scaledX(8));
    row->addWidget(m_groupBox);
    row->addStretch();
    row->addWidget(m_scheduleLabel);
    box->layout()->addItem(row);
    box->layout()->addWidget(createInformationPanel());
    return box;
}

QWidget *HomePage::createInformationPanel()
{
    m_roundPicture = new QFrame(this);
    m_roundPicture->setObjectName(QStringLiteral("picKaisai"));
    m_roundPicture->setFrameShape(QFrame::StyledPanel);
    m_roundPicture->setAutoFillBackground(true);
    QPalette white = m_roundPicture->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_roundPicture->setPalette(white);

    auto *grid = new QGridLayout(m_roundPicture);
    grid->setContentsMargins(scaledX(12), scaledY(10), scaledX(12), scaledY(10));
    grid->setHorizontalSpacing(scaledX(8));
    grid->setVerticalSpacing(scaledY(6));
    m_roundStatusLabel = label(QStringLiteral("販売状態"), m_roundPicture, QStringLiteral("lblKaisaiStatus"));
    QFont bold = m_roundStatusLabel->font();
    bold.setBold(true);
    m_roundStatusLabel->setFont(bold);
    grid->addWidget(m_roundStatusLabel, 0, 0, 1, 2);
    const QStringList titles{QStringLiteral("販売開始日："), QStringLiteral("販売終了日："), QStringLiteral("結果発表日：")};
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(label(titles[row], m_roundPicture), row + 1, 0);
        m_roundListLabel[row] = label(QStringLiteral("0000/00/00"), m_roundPicture, QStringLiteral("lblKaisaiList_%1").arg(row));
        grid->addWidget(m_roundListLabel[row], row + 1, 1);
    }
    grid->setColumnStretch(1, 1);
    return m_roundPicture;
}

QWidget *HomePage::createDownloadFrame()
{
    QGroupBox *box = frame(QStringLiteral("オフィシャルサイトよりダウンロード"), this);
    auto *row = new QHBoxLayout;
    const QStringList captions{QStringLiteral("開催情報"), QStringLiteral("投票状況"), QStringLiteral("くじ結果")};
    for (int index = 0; index < 3; ++index) {
        m_officialDownloadButton[index] = button(captions[index], QStringLiteral("cmdOfficialDownload_%1").arg(index), box);
        connect(m_officialDownloadButton[index], &QPushButton::clicked, &m_document,
                [this, index] { m_document.officialDownload(index); });
        row->addWidget(m_officialDownloadButton[index]);
    }
    box->layout()->addItem(row);
    m_downloadCheck = new QCheckBox(QStringLiteral("ダウンロード時に確認"), box);
    m_downloadCheck->setObjectName(QStringLiteral("chkDownload"));
    m_downloadCheck->setChecked(m_document.State().downloadMessage);
    connect(m_downloadCheck, &QCheckBox::toggled, &m_document, &MainDocument::setDownloadMessage);
    box->layout()->addWidget(m_downloadCheck);
    return box;
}

QWidget *HomePage::createTeamNameFrame(const QString &title, const QString &buttonName, QPushButton *&teamButton)
{
    QGroupBox *box = frame(title, this);
    teamButton = button(QStringLiteral("海外チーム名"), buttonName, box);
    box->layout()->addWidget(teamButton);
    box->layout()->setAlignment(teamButton, Qt::AlignLeft);
    return box;
}

QWidget *HomePage::createVersionFrame()
{
    QGroupBox *box = frame(QStringLiteral("ソフトウェア情報"), this);
    box->layout()->addWidget(label(MainDocument::versionText(), box, QStringLiteral("lblVersion")));
    return box;
}

void HomePage::setTabOrder()
{
    QWidget *order[] = {m_roundBox->scheduleNumberEdit(), m_groupBox, m_scheduleLabel, m_officialDownloadButton[0],
                        m_officialDownloadButton[1], m_officialDownloadButton[2], m_downloadCheck, m_teamNameUpdateButton,
                        m_user2Button};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void HomePage::showSalesStatus()
{
    const ScheduleData &schedule = m_document.schedule();
    m_roundPicture->setVisible(schedule.roundNumber >= 1);
    if (schedule.roundNumber < 1)
        return;
    m_roundStatusLabel->setText(RoundInfoText::salesStatus(schedule, RoundInfoText::now()));
    const OleDate dates[] = {schedule.saleStart, schedule.saleEnd, schedule.resultDate};
    for (int row = 0; row < 3; ++row)
        m_roundListLabel[row]->setText(RoundInfoText::longDate(dates[row]));
}

void HomePage::refreshDownloadButtons()
{
    const std::array<bool, 3> enabled = m_document.officialDownloadEnabled();
    for (int index = 0; index < 3; ++index)
        m_officialDownloadButton[index]->setEnabled(enabled[index]);
}

void HomePage::openTeamNameDialog()
{
    TeamNameDialog dialog(window());
    dialog.exec();
    m_document.roundSelection().scheduleInitialize();
}
