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

TeamNameDialog::TeamNameDialog(QWidget *parent)
    : QDialog(parent)
    , m_shortNameEdit(namedLineEdit(QStringLiteral("txtRyakusho"), TeamNameEditor::presetShortName(), this))
    , m_fullNameEdit(namedLineEdit(QStringLiteral("txtMeisho"), TeamNameEditor::presetFullName(), this))
    , m_addButton(namedButton(QStringLiteral("cmdAdd"), QStringLiteral("追加"), this))
    , m_cancelButton(namedButton(QStringLiteral("cmdCancel"), QStringLiteral("キャンセル"), this))
{
    setObjectName(QStringLiteral("frmTeamName"));
    setWindowTitle(QStringLiteral(" チーム名（ユーザー定義）"));
    setModal(true);
    setMinimumWidth(int(DisplayScale::scaleX(360)));

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("略称"), m_shortNameEdit);
    fields->addRow(QStringLiteral("名称"), m_fullNameEdit);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_addButton);
    buttons->addWidget(m_cancelButton);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("追加するチーム名を入力して下さい"), this));
    layout->addLayout(fields);
    layout->addWidget(new QLabel(QStringLiteral("略称は最大6文字です。海外チーム名は半角カナで入力して下さい。"), this));
    layout->addLayout(buttons);

    connect(m_addButton, &QPushButton::clicked, this, &TeamNameDialog::onAddClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TeamNameDialog::onAddClicked()
{
    if (m_editor.add(m_shortNameEdit->text(), m_fullNameEdit->text()))
        accept();
}
