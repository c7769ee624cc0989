#pragma once

#include <QStringList>

class QCoreApplication;

// The language the programs speak: Japanese when the user's first
// (preferred) interface language is Japanese, English otherwise. The
// desktop's language comes from LANGUAGE, LC_ALL, LC_MESSAGES and LANG, as
// everywhere on Linux. Our own texts come from the program's translation
// catalog, Qt's own (the file dialog, the command-line parser) from Qt's.
class InterfaceLanguage
{
public:
    static bool isJapanese(const QStringList &uiLanguages);
    // This user's first interface language is Japanese.
    static bool systemIsJapanese();

    // Loads and installs the translations into the application when the
    // language is Japanese: ours, and Qt's for its own dialogs. False when
    // either could not be loaded (its texts then stay English).
    static bool install(QCoreApplication &application, bool japanese);

    // The folders searched for our catalog: beside the installed program,
    // then the build tree.
    static QStringList catalogFolders();
};
