#include "link/SerialPortList.h"

SerialPortList::~SerialPortList() = default;
