#include "shell/AboutBox.h"

#include "edit/Twips.h"
#include "shell/Icons.h"
#include "shell/ProgramTexts.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int PictureSize = 720;
constexpr int TextWidth = 4200;

QString licence()
{
    return QCoreApplication::translate("AboutBox", "This program is free software: you may share and change it under the "
                          "terms of the GNU General Public License, version 3 or (at your option) "
                          "any later version.");
}

QLabel *label(QWidget *parent, const char *name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

} // namespace

AboutBox::AboutBox(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Korvan Clone Utility"));

    const int pictureSize = Twips::toPixelsX(PictureSize, this);
    auto *picture = label(this, "Picture1", QString());
    picture->setPixmap(Icons::program().pixmap(pictureSize, pictureSize));
    picture->setAlignment(Qt::AlignTop);

    QLabel *title = label(this, "lblTitle", ProgramTexts::title());
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    title->setFont(titleFont);
    QLabel *version = label(this, "lblVersion", ProgramTexts::version());
    QLabel *description = label(this, "lblDescription",
                                ProgramTexts::description() + QStringLiteral("\n\n") + licence());
    description->setWordWrap(true);
    description->setFixedWidth(Twips::toPixelsX(TextWidth, this));

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    QLabel *disclaimer = label(this, "lblDisclaimer", ProgramTexts::disclaimer());
    disclaimer->setWordWrap(true);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AboutBox::hideOnOk);

    auto *systemInfo = new QPushButton(QString::fromUtf8("ｼｽﾃﾑ情報(&S)..."), this);
    systemInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    systemInfo->setEnabled(false);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(systemInfo);
    buttons->addStretch();

    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(14);
    grid->addWidget(picture, 0, 0, 3, 1);
    grid->addWidget(title, 0, 1);
    grid->addWidget(version, 1, 1);
    grid->addWidget(description, 2, 1);
    grid->addWidget(line, 3, 0, 1, 2);
    grid->addWidget(disclaimer, 4, 0, 1, 2);
    grid->addLayout(buttons, 4, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutBox::hideOnOk()
{
    // Hides the box and ends its modal run; the box stays loaded.
    accept();
}
