#include "shell/SplashScreen.h"

#include "edit/Twips.h"
#include "shell/Icons.h"
#include "shell/ProgramTexts.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int PictureSize = 1440;
constexpr int TextWidth = 4800;

QLabel *label(QWidget *parent, const char *name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

} // namespace

SplashScreen::SplashScreen(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("fraMainFrame"));
    frame->setFrameShape(QFrame::Box);

    const int pictureSize = Twips::toPixelsX(PictureSize, this);
    auto *picture = label(frame, "Picture1", QString());
    picture->setPixmap(Icons::program().pixmap(pictureSize, pictureSize));
    picture->setAlignment(Qt::AlignTop);

    QLabel *title = label(frame, "lblTitle", ProgramTexts::title());
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    title->setFont(titleFont);

    QLabel *version = label(frame, "lblVersion", ProgramTexts::version());
    version->setAlignment(Qt::AlignRight);
    QLabel *description = label(frame, "lblDescription", ProgramTexts::description());
    description->setWordWrap(true);
    description->setFixedWidth(Twips::toPixelsX(TextWidth, this));
    QLabel *disclaimer = label(frame, "lblDisclaimer", ProgramTexts::disclaimer());
    disclaimer->setWordWrap(true);
    QFont small = disclaimer->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    disclaimer->setFont(small);

    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(18, 18, 18, 18);
    grid->setHorizontalSpacing(18);
    grid->addWidget(picture, 0, 0, 4, 1);
    grid->addWidget(title, 0, 1);
    grid->addWidget(version, 1, 1);
    grid->addWidget(description, 2, 1);
    grid->addWidget(disclaimer, 3, 1);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->addWidget(frame);
}
