#include "CommandLineTool.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qtr70"));
    CommandLineTool tool;
    return tool.run(QCoreApplication::arguments().mid(1));
}
