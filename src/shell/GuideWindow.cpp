#include "shell/GuideWindow.h"

#include "app/InterfaceLanguage.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

// Outside any namespace: Q_INIT_RESOURCE declares the resource's function.
static void loadGuide()
{
    // The guide lives in this static library; make sure it is linked in.
    static const bool loaded = [] {
        Q_INIT_RESOURCE(guide);
        return true;
    }();
    Q_UNUSED(loaded);
}

GuideWindow::GuideWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmGuide"));
    setWindowTitle(tr("User Guide"));
    m_text = new QTextBrowser(this);
    m_text->setObjectName(QStringLiteral("txtGuide"));
    m_text->setAccessibleName(tr("User Guide"));
    m_text->setOpenExternalLinks(true);
    m_text->setMarkdown(guideText());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    resize(fontMetrics().averageCharWidth() * 96, fontMetrics().height() * 40);
    m_text->setFocus();
}

QString GuideWindow::guideText()
{
    loadGuide();
    // The guide in the language the program speaks.
    QFile guide(InterfaceLanguage::systemIsJapanese() ? QStringLiteral(":/guide/user-guide.ja.md")
                                                      : QStringLiteral(":/guide/user-guide.md"));
    return guide.open(QIODevice::ReadOnly) ? QString::fromUtf8(guide.readAll()) : QString();
}
