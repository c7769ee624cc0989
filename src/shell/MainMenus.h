#pragma once

class frmMain;

// The main window's menu bar and toolbar, built from tables: each entry's
// name, string id, keys and the window's handler it runs. Entries are
// designed with their string id as caption (toolbar buttons as tooltip);
// LocalizeForm puts the texts on.
class MainMenus
{
public:
    static void build(frmMain &window);

private:
    static void buildMenus(frmMain &window);
    static void buildToolBar(frmMain &window);
};
