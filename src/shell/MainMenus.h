#pragma once

#include <vector>

class MainWindow;

// The main window's menu bar and toolbar, built from tables: each entry's
// name, string id, keys and the window's handler it runs. Entries are
// designed with their string id as caption (toolbar buttons as tooltip);
// LocalizeForm puts the texts on.
class MainMenus
{
public:
    static void build(MainWindow &window);

private:
    struct Entry;
    struct Menu;
    // The menus of the menu bar, in order, with their entries.
    static const std::vector<Menu> &table();
    static void buildMenus(MainWindow &window);
    static void buildToolBar(MainWindow &window);
};
