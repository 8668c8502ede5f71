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

frmNumbers::frmNumbers(QWidget *owner)
    : QDialog(owner)
    , m_txtNumber(new QLineEdit(this))
    , m_cmdOK(new QPushButton(QStringLiteral("O K"), this))
    , m_cmdCancel(new QPushButton(QStringLiteral("キャンセル"), this))
{
    setObjectName(QStringLiteral("frmNumbers"));
    setFont(JapaneseFont::make(9));
    setWindowTitle(QStringLiteral(" 数値入力"));
    m_txtNumber->setObjectName(QStringLiteral("txtNumber"));
    m_txtNumber->setMaxLength(NumberEntry::Length);
    m_txtNumber->setMinimumWidth(int(DisplayScale::scaleX(180)));
    m_txtNumber->installEventFilter(this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    m_cmdOK->setEnabled(false);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    connect(m_txtNumber, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_cmdOK->setEnabled(NumberEntry::okEnabled(text)); });
    connect(m_cmdOK, &QPushButton::clicked, this, &frmNumbers::cmdOK_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_txtNumber);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());
}

QString frmNumbers::ShowDialog(QWidget *owner)
{
    frmNumbers dialog(owner);
    dialog.exec();
    return dialog.result();
}

bool frmNumbers::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_txtNumber && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (typesCharacter(*key) && !NumberEntry::acceptsKey(key->text().front()))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmNumbers::cmdOK_Click()
{
    const QString text = NumberEntry::accept(m_txtNumber->text());
    if (text.isEmpty()) {
        m_txtNumber->setFocus();
        return;
    }
    m_result = text;
    accept();
}
