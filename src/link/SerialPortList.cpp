#include "SerialPortList.h"

SerialPortList::~SerialPortList() = default;
