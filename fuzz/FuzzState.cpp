#include "FuzzState.h"

#include "codec/ChannelCodec.h"

#include <cstdio>
#include <cstdlib>

CloneImage FuzzState::sample()
{
    CloneImage image = CloneImage::factory(Vocabulary::ModelE, false);
    ChannelCodec::decode(QStringLiteral("8805000100000188000100000000000010936B003C4A39543D51000010936B00"),
                                image.channels[0]);
    ChannelCodec::decode(QStringLiteral("800300000200010000010000000000003899D800000000000000000000000000"),
                                image.channels[150]);
    ChannelCodec::decode(QStringLiteral("80010001000000A6000000000000000060566C00545556570000000000000000"),
                                image.channels[603]);
    image.channels[150].csvExtras.second = QStringLiteral("spare");
    image.channels[150].csvExtras.on = true;
    return image;
}

bool FuzzState::sizesIntact(const CloneImage &image)
{
    return image.channels.size() == CloneImage::ChannelCount;
}

void FuzzState::fail(const char *what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}
