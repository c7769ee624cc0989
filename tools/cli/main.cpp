#include "CommandLineTool.h"
#include "RadioPort.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qtr70"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    CommandLineTool tool(out, err, &CommandLineTool::serialPort);
    tool.setShowProgress(isatty(fileno(stderr)) != 0);
    return tool.run(QCoreApplication::arguments().mid(1));
}
