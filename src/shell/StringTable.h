#pragma once

#include <QString>
#include <QStringList>

// The program's string table: menu captions and toolbar tooltips by
// numeric id, in English and in Japanese.
class StringTable
{
public:
    enum class Language { English, Japanese };

    explicit StringTable(Language language = Language::English);

    // Japanese when the first (preferred) interface language is Japanese,
    // English otherwise.
    static Language languageFor(const QStringList &uiLanguages);
    // The table for this user's interface language.
    static StringTable forSystem();

    Language language() const { return m_language; }
    // True when the id has a text in the table's language.
    bool contains(int id) const;
    // The text of an id; empty when the table has none.
    QString text(int id) const;

private:
    Language m_language;
};
