#include "gui/TeamNameDialog.h"

#include "support/DisplayScale.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit *namedLineEdit(const QString &name, const QString &text, QWidget *parent)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    return edit;
}

QPushButton *namedButton(const QString &name, const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmTeamName::frmTeamName(QWidget *parent)
    : QDialog(parent)
    , m_txtRyakusho(namedLineEdit(QStringLiteral("txtRyakusho"), TeamNameEditor::PresetRyakusho(), this))
    , m_txtMeisho(namedLineEdit(QStringLiteral("txtMeisho"), TeamNameEditor::PresetMeisho(), this))
    , m_cmdAdd(namedButton(QStringLiteral("cmdAdd"), QStringLiteral("追加"), this))
    , m_cmdCancel(namedButton(QStringLiteral("cmdCancel"), QStringLiteral("キャンセル"), this))
{
    setObjectName(QStringLiteral("frmTeamName"));
    setWindowTitle(QStringLiteral(" チーム名（ユーザー定義）"));
    setModal(true);
    setMinimumWidth(int(DisplayScale::scaleX(360)));

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("略称"), m_txtRyakusho);
    fields->addRow(QStringLiteral("名称"), m_txtMeisho);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdAdd);
    buttons->addWidget(m_cmdCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("追加するチーム名を入力して下さい"), this));
    layout->addLayout(fields);
    layout->addWidget(new QLabel(QStringLiteral("略称は最大6文字です。海外チーム名は半角カナで入力して下さい。"), this));
    layout->addLayout(buttons);

    connect(m_cmdAdd, &QPushButton::clicked, this, &frmTeamName::cmdAdd_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmTeamName::cmdAdd_Click()
{
    if (m_editor.Add(m_txtRyakusho->text(), m_txtMeisho->text()))
        accept();
}
