// Test helper: saves two different clone images to one path, alternately,
// until it is killed. Prints "ready" once the first save is done.
#include "codec/CloneImage.h"
#include "files/CloneFile.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    CloneImage images[2];
    for (int i = 0; i < 2; ++i) {
        images[i] = CloneImage::factory(Vocabulary::ModelE, false);
        images[i].modelVariant = i;
        images[i].channels[i].inUse = true;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    for (long n = 0;; ++n) {
        if (!CloneFile::write(path, images[n % 2]).ok())
            return 1;
        if (n == 0) {
            std::printf("ready\n");
            std::fflush(stdout);
        }
    }
}
