// Test helper: saves two different clone images to one path, alternately,
// until it is killed. Prints "ready" once the first save is done.
#include "ChannelCodec.h"
#include "CloneFile.h"
#include "Module1.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    Module1 images[2];
    for (int i = 0; i < 2; ++i) {
        CloneFile::New(images[i]);
        images[i].ModelVariant = i;
        images[i].ChannelInUse[i] = true;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    for (long n = 0;; ++n) {
        if (!CloneFile::WriteCloneFile(images[n % 2], path).ok())
            return 1;
        if (n == 0) {
            std::printf("ready\n");
            std::fflush(stdout);
        }
    }
}
