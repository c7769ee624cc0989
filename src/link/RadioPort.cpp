#include "link/RadioPort.h"

#include "link/PortNames.h"

RadioPort::~RadioPort() = default;

void RadioPort::setPortNumber(int portNumber)
{
    if (!PortNames::isValid(portNumber) || portNumber == m_portNumber)
        return;
    close();
    m_portNumber = portNumber;
}

bool RadioPort::discardInput()
{
    QByteArray dropped;
    return readAll(dropped);
}
