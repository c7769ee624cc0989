#include "shell/LocalizeForm.h"

#include "shell/StringTable.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTextEdit>
#include <QToolBar>
#include <QVariant>

namespace {

// The table's text for a text that holds an id; null when it holds none.
QString lookUp(const StringTable &table, const QString &idText)
{
    bool ok = false;
    const int id = idText.trimmed().toInt(&ok);
    if (!ok || id <= 0 || !table.contains(id))
        return QString();
    return table.text(id);
}

QString lookUpTag(const StringTable &table, const QObject *object)
{
    return lookUp(table, object->property(LocalizeForm::TagProperty).toString());
}

bool isTextBox(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QTextEdit *>(widget)
        || qobject_cast<const QPlainTextEdit *>(widget);
}

void localizeTabs(QTabBar *tabs, const StringTable &table)
{
    for (int i = 0; i < tabs->count(); ++i) {
        const QString caption = lookUp(table, tabs->tabData(i).toString());
        if (!caption.isNull())
            tabs->setTabText(i, caption);
        const QString tip = lookUp(table, tabs->tabToolTip(i));
        if (!tip.isNull())
            tabs->setTabToolTip(i, tip);
    }
}

void localizeToolBar(QToolBar *toolBar, const StringTable &table)
{
    for (QAction *action : toolBar->actions()) {
        const QString tip = lookUp(table, action->toolTip());
        if (!tip.isNull())
            action->setToolTip(tip);
    }
}

void localizeControl(QWidget *control, const StringTable &table)
{
    const QString caption = lookUpTag(table, control);
    if (!caption.isNull()) {
        if (auto *label = qobject_cast<QLabel *>(control))
            label->setText(caption);
        else if (auto *button = qobject_cast<QAbstractButton *>(control))
            button->setText(caption);
        else if (auto *frame = qobject_cast<QGroupBox *>(control))
            frame->setTitle(caption);
    }
    const QString tip = lookUp(table, control->toolTip());
    if (!tip.isNull())
        control->setToolTip(tip);
}

} // namespace

std::optional<QFont> LocalizeForm::tableFont(const StringTable &table, const QFont &base)
{
    if (!table.contains(FontNameId) || !table.contains(FontSizeId))
        return std::nullopt;
    bool ok = false;
    const int size = table.text(FontSizeId).toInt(&ok);
    if (!ok || size <= 0)
        return std::nullopt;
    QFont font = base;
    font.setFamily(table.text(FontNameId));
    font.setPointSize(size);
    return font;
}

void LocalizeForm::applyToProgram(const StringTable &table)
{
    if (const std::optional<QFont> font = tableFont(table, QApplication::font())) {
        QApplication::setFont(*font);
        QApplication::setFont(*font, "QHeaderView");
    }
}

void LocalizeForm::apply(QWidget *form, const StringTable &table)
{
    const QString caption = lookUpTag(table, form);
    if (!caption.isNull())
        form->setWindowTitle(caption);

    if (const std::optional<QFont> font = tableFont(table, form->font())) {
        form->setFont(*font);
        // Headers take the platform's header font, not their parent's:
        // they are given the form's font themselves.
        for (QHeaderView *header : form->findChildren<QHeaderView *>())
            header->setFont(*font);
    }

    // Menu entries carry their id as their caption.
    for (QAction *action : form->findChildren<QAction *>()) {
        const QString text = lookUp(table, action->text());
        if (!text.isNull())
            action->setText(text);
    }

    for (QWidget *control : form->findChildren<QWidget *>()) {
        if (isTextBox(control))
            continue;
        if (auto *menu = qobject_cast<QMenu *>(control)) {
            const QString title = lookUp(table, menu->title());
            if (!title.isNull())
                menu->setTitle(title);
        } else if (auto *tabs = qobject_cast<QTabBar *>(control)) {
            localizeTabs(tabs, table);
        } else if (auto *toolBar = qobject_cast<QToolBar *>(control)) {
            localizeToolBar(toolBar, table);
        } else {
            localizeControl(control, table);
        }
    }
}
