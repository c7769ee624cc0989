// Compiled with the include root of src/edit: the folders below it are there.
#include "app/Module1.h"
#include "codec/CloneImage.h"
