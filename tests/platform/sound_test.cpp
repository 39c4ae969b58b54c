#include "platform/resources.h"
#include "platform/sound.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Channels, bits per sample and duration in milliseconds of a plain PCM WAVE image.
struct WaveFacts {
    int channels = 0;
    int bits = 0;
    int milliseconds = 0;
};

WaveFacts Facts(const QByteArray& wave)
{
    WaveFacts facts;
    const char* data = wave.constData();
    if (wave.size() < 44 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
        return facts;
    auto u16 = [&](int at) { return static_cast<unsigned char>(data[at]) | static_cast<unsigned char>(data[at + 1]) << 8; };
    auto u32 = [&](int at) { return u16(at) | u16(at + 2) << 16; };
    for (int at = 12; at + 8 <= wave.size(); at += 8 + u32(at + 4)) {
        if (std::memcmp(data + at, "fmt ", 4) == 0) {
            facts.channels = u16(at + 10);
            facts.bits = u16(at + 22);
        } else if (std::memcmp(data + at, "data", 4) == 0) {
            const int bytesPerSecond = u32(28);
            facts.milliseconds = bytesPerSecond ? static_cast<int>(1000LL * u32(at + 4) / bytesPerSecond) : 0;
        }
    }
    return facts;
}

TEST(Sound, TheBeepIsAShort16BitMonoRecording)
{
    const WaveFacts beep = Facts(Resources().Recording("beep"));
    EXPECT_EQ(beep.channels, 1);
    EXPECT_EQ(beep.bits, 16);
    EXPECT_GE(beep.milliseconds, 50);
    EXPECT_LE(beep.milliseconds, 150);
}

TEST(Sound, PlayingARecordingSucceedsAndWhatIsNoRecordingIsRefused)
{
    qputenv("SDL_AUDIODRIVER", "dummy");
    SoundOutput sound;
    sound.Open();
    const QByteArray beep = Resources().Recording("beep");
    EXPECT_TRUE(sound.Play(beep, false));
    EXPECT_TRUE(sound.Play(beep, true));
    EXPECT_FALSE(sound.Play(QByteArray("RIFF but not a recording"), false));
    EXPECT_FALSE(sound.Play(QByteArray(), true));
}

}  // namespace
