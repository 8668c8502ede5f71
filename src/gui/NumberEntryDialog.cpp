#include "gui/NumberEntryDialog.h"

#include "app/NumberEntry.h"
#include "gui/JapaneseFont.h"
#include "gui/TypedKey.h"
#include "support/DisplayScale.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

NumberEntryDialog::NumberEntryDialog(QWidget *owner)
    : QDialog(owner)
    , m_numberEdit(new QLineEdit(this))
    , m_cmdOK(new QPushButton(QStringLiteral("O K"), this))
    , m_cancelButton(new QPushButton(QStringLiteral("キャンセル"), this))
{
    setObjectName(QStringLiteral("frmNumbers"));
    setFont(JapaneseFont::make(9));
    setWindowTitle(QStringLiteral(" 数値入力"));
    m_numberEdit->setObjectName(QStringLiteral("txtNumber"));
    m_numberEdit->setMaxLength(NumberEntry::length);
    m_numberEdit->setMinimumWidth(int(DisplayScale::scaleX(180)));
    m_numberEdit->installEventFilter(this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    m_cmdOK->setEnabled(false);
    m_cancelButton->setObjectName(QStringLiteral("cmdCancel"));

    connect(m_numberEdit, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_cmdOK->setEnabled(NumberEntry::okEnabled(text)); });
    connect(m_cmdOK, &QPushButton::clicked, this, &NumberEntryDialog::onOkClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_numberEdit);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

QString NumberEntryDialog::showDialog(QWidget *owner)
{
    NumberEntryDialog dialog(owner);
    dialog.exec();
    return dialog.result();
}

bool NumberEntryDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_numberEdit && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (typesCharacter(*key) && !NumberEntry::acceptsKey(key->text().front()))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void NumberEntryDialog::onOkClicked()
{
    const QString text = NumberEntry::accept(m_numberEdit->text());
    if (text.isEmpty()) {
        m_numberEdit->setFocus();
        return;
    }
    m_result = text;
    accept();
}
