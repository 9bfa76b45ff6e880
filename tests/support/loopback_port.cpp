#include "support/loopback_port.h"

#include <QHostAddress>
#include <QTcpServer>

int FreeLoopbackPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}
