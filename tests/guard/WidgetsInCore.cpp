// Compiled with the core library's include guard: must fail to build.
#include <QtWidgets/QWidget>

int widgetsGuardProbe()
{
    return sizeof(QWidget);
}
