#pragma once

#include <QFont>

#include <optional>

class QWidget;
class StringTable;

// Puts the string table's texts on a window's controls. Controls are
// designed with string ids: menu entries and menus with the id as their
// caption ("1000"), toolbar buttons with the id as their tooltip, other
// controls (labels, buttons, tabs) with the id in their "tag" property.
// Anything that is no id of the table is left as it is.
class LocalizeForm
{
public:
    static constexpr const char *TagProperty = "tag";
    // Ids of the form's font name and size; the form keeps its designed
    // font unless the table has both (the Japanese one has).
    static constexpr int FontNameId = 20;
    static constexpr int FontSizeId = 21;

    static void apply(QWidget *form, const StringTable &table);
    // The table's font (the base font with the table's family and size),
    // when the table has one.
    static std::optional<QFont> tableFont(const StringTable &table, const QFont &base);
    // Every window and dialog of the program, Qt's own ones too, takes the
    // table's font (the Japanese table's proportional Japanese font);
    // controls designed with a font of their own keep it.
    static void applyToProgram(const StringTable &table);
};
