// Compiled with the include root of src/edit: a layer that names a folder
// above it must not compile.
#include "shell/MainWindow.h"
