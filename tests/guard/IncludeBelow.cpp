// Compiled with the include root of src/edit: the folders below it are there.
#include "app/CloneDocument.h"
#include "codec/CloneImage.h"
