#include "widgets/AboutBox.h"

#include "platform/AppInfo.h"
#include "platform/Geometry.h"
#include "platform/Icons.h"
#include "widgets/WebLinks.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrune::widgets {

QDialog* createAboutBox(QWidget* owner)
{
    auto* box = new QDialog(owner);
    box->setObjectName(QStringLiteral("frmAbout"));
    box->setWindowTitle(QStringLiteral("About ") + appinfo::title());
    box->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                        | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    box->setModal(true);
    const QIcon icon = platform::programIcon();
    box->setWindowIcon(icon);

    auto* picIcon = new QLabel(box);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setFixedSize(64, 64);
    if (!icon.isNull())
        picIcon->setPixmap(icon.pixmap(64, 64));
    picIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* lblTitle = new QLabel(appinfo::title(), box);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setFont(platform::designFont(QStringLiteral("Verdana"), 14.25, true));

    auto* lblVersion = new QLabel(QStringLiteral("Version ") + appinfo::version(), box);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setFont(platform::designFont(QStringLiteral("Verdana"), 8.25));

    auto* lblDescription = new QLabel(
        QStringLiteral("Tarot readings with eight spreads, and a tutor that teaches the meanings "
                       "of the 78 cards through study, tests and goals."),
        box);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);
    lblDescription->setFont(platform::designFont(QStringLiteral("Verdana"), 8.25));

    const QString page = appinfo::homePage();
    auto* lblLink = new QLabel(box);
    lblLink->setObjectName(QStringLiteral("lblLink"));
    lblLink->setTextFormat(Qt::RichText);
    lblLink->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(page.toHtmlEscaped()));
    lblLink->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    // The browser is started through the program's own seam, not by the label.
    lblLink->setOpenExternalLinks(false);
    lblLink->setFont(platform::designFont(QStringLiteral("Verdana"), 8.25));
    QObject::connect(lblLink, &QLabel::linkActivated, box, [](const QString&) { openHomePage(); });

    auto* cmdOK = new QPushButton(QStringLiteral("OK"), box);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    QObject::connect(cmdOK, &QPushButton::clicked, box, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->addWidget(lblTitle);
    text->addWidget(lblVersion);
    text->addSpacing(8);
    text->addWidget(lblDescription);
    text->addSpacing(8);
    text->addWidget(lblLink);
    text->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(picIcon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);

    auto* outer = new QVBoxLayout(box);
    outer->addLayout(top);
    outer->addSpacing(12);
    outer->addLayout(buttons);

    box->setFixedWidth(380);
    box->setFixedHeight(box->sizeHint().height());
    return box;
}

void showAboutBox(QWidget* owner)
{
    // The owner may be destroyed while the box is open (the program ending), and
    // the box with it: look at it through a guard.
    QPointer<QDialog> box = createAboutBox(owner);
    box->exec();
    delete box.data();
}

} // namespace kestrune::widgets
