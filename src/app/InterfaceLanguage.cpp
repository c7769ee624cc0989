#include "app/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString Catalog = QStringLiteral("qtr70_ja");

bool load(QCoreApplication &application, const QString &name, const QStringList &folders)
{
    auto *translator = new QTranslator(&application);
    for (const QString &folder : folders) {
        if (translator->load(name, folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}

} // namespace

bool InterfaceLanguage::isJapanese(const QStringList &uiLanguages)
{
    if (uiLanguages.isEmpty())
        return false;
    const QString first = uiLanguages.constFirst();
    return first.compare(QLatin1String("ja"), Qt::CaseInsensitive) == 0
        || first.startsWith(QLatin1String("ja-"), Qt::CaseInsensitive)
        || first.startsWith(QLatin1String("ja_"), Qt::CaseInsensitive);
}

bool InterfaceLanguage::systemIsJapanese()
{
    return isJapanese(QLocale::system().uiLanguages());
}

QStringList InterfaceLanguage::catalogFolders()
{
    return {QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral(QTR70_TRANSLATIONS_INSTALLED)),
            QStringLiteral(QTR70_TRANSLATIONS_BUILT)};
}

bool InterfaceLanguage::install(QCoreApplication &application, bool japanese)
{
    if (!japanese)
        return true;
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const bool qt = load(application, QStringLiteral("qtbase_ja"), {qtFolder});
    const bool ours = load(application, Catalog, catalogFolders());
    return qt && ours;
}
