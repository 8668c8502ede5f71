#include "gui/AboutDialog.h"

#include "gui/PageIcons.h"
#include "support/AppInfo.h"
#include "gui/JapaneseFont.h"
#include "support/DisplayScale.h"
#include "support/Ui.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget *owner, const QString &version)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("frmAbout"));
    setFont(JapaneseFont::make(9));
    setWindowTitle(QStringLiteral(" バージョン情報"));
    if (owner && owner->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        setWindowFlag(Qt::WindowStaysOnTopHint);

    auto *picture = new QLabel(this);
    const int side = int(DisplayScale::scaleY(64));
    picture->setPixmap(QPixmap::fromImage(PageIcons::applicationImage(side)));
    auto *title = new QLabel(AppInfo::title(), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont big = title->font();
    big.setPixelSize(int(DisplayScale::scaleY(24)));
    big.setBold(true);
    title->setFont(big);
    auto *versionLabel = new QLabel(QStringLiteral("Version ") + version, this);
    versionLabel->setObjectName(QStringLiteral("lblVersion"));
    auto *copyright = new QLabel(AppInfo::legalNotice(), this);
    copyright->setObjectName(QStringLiteral("lblCopyright"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setText(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(int(DisplayScale::scaleX(16)), int(DisplayScale::scaleY(16)), int(DisplayScale::scaleX(16)),
                               int(DisplayScale::scaleY(12)));
    layout->setHorizontalSpacing(int(DisplayScale::scaleX(16)));
    layout->addWidget(picture, 0, 0, 4, 1, Qt::AlignTop);
    layout->addWidget(title, 0, 1);
    layout->addWidget(versionLabel, 1, 1);
    layout->addWidget(copyright, 2, 1);
    auto *links = new QVBoxLayout;
    links->addWidget(link(QStringLiteral("lblMail"), QStringLiteral("mailto:") + AppInfo::publisherMail(),
                          AppInfo::publisherMail()));
    links->addWidget(link(QStringLiteral("lblWeb"), AppInfo::publisherWeb(), AppInfo::publisherWeb()));
    layout->addLayout(links, 3, 1);
    layout->addWidget(buttons, 4, 0, 1, 2);
    setFixedSize(sizeHint());
}

QLabel *AboutDialog::link(const QString &name, const QString &address, const QString &shown)
{
    auto *label = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(address.toHtmlEscaped(), shown.toHtmlEscaped()), this);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(label, &QLabel::linkActivated, this, [](const QString &target) { Ui::instance().openAddress(target); });
    return label;
}

void AboutDialog::showForm(QWidget *owner, const QString &version)
{
    AboutDialog about(owner, version);
    about.exec();
}
