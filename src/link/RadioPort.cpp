#include "RadioPort.h"

RadioPort::~RadioPort() = default;
