#include "gui/RoundBox.h"

#include "app/MainDocument.h"

#include "app/RoundNumberText.h"
#include "app/RoundSelection.h"
#include "gui/TypedKey.h"
#include "support/DisplayScale.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QValidator>
#include <QVBoxLayout>

namespace {

// Keeps the digits of whatever reaches the box (keys, paste, drop, a
// committed input method text) as the round box's rules read them.
class RoundDigits final : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &position) const override
    {
        position = int(RoundNumberText::digitsOf(input.left(position)).size());
        input = RoundNumberText::digitsOf(input);
        return Acceptable;
    }
};

// The step of the navigation keys; 0 for every other key.
int stepOf(int key)
{
    switch (key) {
    case Qt::Key_Up: return 1;
    case Qt::Key_Down: return -1;
    case Qt::Key_PageUp: return RoundNumberText::Maximum;
    case Qt::Key_PageDown: return -RoundNumberText::Maximum;
    default: return 0;
    }
}

QToolButton *arrowButton(Qt::ArrowType arrow, const QString &name, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(int(DisplayScale::scaleX(16)), int(DisplayScale::scaleY(11)));
    return button;
}

} // namespace

RoundBox::RoundBox(RoundSelection &main, QWidget *parent)
    : QWidget(parent)
    , m_main(main)
    , m_text(new QLineEdit(this))
    , m_up(arrowButton(Qt::UpArrow, QStringLiteral("updScheduleNo_Up"), this))
    , m_down(arrowButton(Qt::DownArrow, QStringLiteral("updScheduleNo_Down"), this))
{
    m_text->setObjectName(QStringLiteral("txtScheduleNo"));
    m_text->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_text->setFixedSize(int(DisplayScale::scaleX(56)), int(DisplayScale::scaleY(22)));
    m_text->setValidator(new RoundDigits(m_text));
    m_text->installEventFilter(this);
    setFocusProxy(m_text);

    auto *arrows = new QVBoxLayout;
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    arrows->addWidget(m_up);
    arrows->addWidget(m_down);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(m_text);
    layout->addLayout(arrows);

    connect(m_text, &QLineEdit::textEdited, &m_main, &RoundSelection::setRoundText);
    m_textFollow = connect(&m_main, &RoundSelection::roundTextChange, this, &RoundBox::show);
    connect(m_up, &QToolButton::clicked, &m_main, [this] { m_main.stepRound(1); });
    connect(m_down, &QToolButton::clicked, &m_main, [this] { m_main.stepRound(-1); });
    show(m_main.roundText());
}

void RoundBox::show(const QString &text)
{
    if (m_text->text() != text)
        m_text->setText(text);
    m_text->setCursorPosition(int(text.size()));
}

void RoundBox::selectNumber()
{
    m_text->setSelection(0, 4);
}

bool RoundBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_text || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (const int step = stepOf(key->key())) {
        m_main.stepRound(step);
        return true;
    }
    return typesCharacter(*key) && !RoundNumberText::acceptsKey(key->text().front());
}

void RoundBox::followDocument(MainDocument &document)
{
    disconnect(m_textFollow);
    m_textFollow = connect(&document, &MainDocument::roundTextChange, this, &RoundBox::show);
}
