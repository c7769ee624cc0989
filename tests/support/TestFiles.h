#pragma once

#include <QByteArray>
#include <QString>

// A file's whole contents; empty when it cannot be read.
QByteArray readFile(const QString &path);
