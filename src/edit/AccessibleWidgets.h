#pragma once

// What screen readers see of the program's own widgets where Qt's default
// says too little or too much: the drop-down lists say their chosen item
// (ChoiceList), the announcer is a notification (Announcer), the page
// stack is a grouping a reader passes over (PageStack), a frequency box
// keeps its select-on-arrival to itself (FrequencyEdit).
class AccessibleWidgets
{
public:
    // Installs the interfaces, once; every widget that needs them calls it.
    static void install();
};
