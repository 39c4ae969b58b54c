#include "platform/resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

// The format of a plain PCM WAVE image, its duration in milliseconds and, for 16-bit
// samples, its peak and how long it is silent (below 1% of full scale) at either end.
struct WaveFacts {
    int channels = 0;
    int bits = 0;
    int rate = 0;
    int milliseconds = 0;
    int peak = 0;
    int silentStartMs = 0;
    int silentEndMs = 0;
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
            facts.rate = u32(at + 12);
            facts.bits = u16(at + 22);
        } else if (std::memcmp(data + at, "data", 4) == 0) {
            const int bytes = std::min(u32(at + 4), static_cast<int>(wave.size()) - at - 8);
            const int bytesPerSecond = u32(28);
            facts.milliseconds = bytesPerSecond ? static_cast<int>(1000LL * bytes / bytesPerSecond) : 0;
            if (facts.bits != 16 || facts.channels != 1 || facts.rate <= 0)
                continue;
            const int count = bytes / 2;
            auto level = [&](int i) { return std::abs(static_cast<std::int16_t>(u16(at + 8 + 2 * i))); };
            int first = count, last = -1;
            for (int i = 0; i < count; ++i) {
                facts.peak = std::max(facts.peak, level(i));
                if (level(i) * 100 >= 32768) {
                    first = std::min(first, i);
                    last = i;
                }
            }
            facts.silentStartMs = static_cast<int>(1000LL * first / facts.rate);
            facts.silentEndMs = static_cast<int>(1000LL * (count - 1 - last) / facts.rate);
        }
    }
    return facts;
}

// Every sound the string table names, and the click of a key: a 22050 Hz 16-bit mono
// recording that starts and ends at once, as loud as the others (peak about -3 dBFS) and
// never clipped.
TEST(Sound, EveryNamedSoundIsATrimmedRecordingAtTheCommonLoudness)
{
    struct Expected {
        std::string name;
        int shortestMs, longestMs;
    };
    const Resources resources = Resources::BuiltIn();
    std::vector<Expected> sounds{{"CLICK", 5, 59}};
    for (int id = 2000; id <= 2054; ++id) {
        if (id < 2046 || id >= 2048)
            sounds.push_back({resources.strings.Get(id), 100, 1200});
    }
    std::set<std::string> names;
    for (const Expected& sound : sounds)
        names.insert(sound.name);
    EXPECT_EQ(names.size(), sounds.size()) << "every sound has a recording of its own";
    const int lowestPeak = 19519, highestPeak = 26029;  // -4.5 and -2 dBFS
    for (const Expected& sound : sounds) {
        SCOPED_TRACE("recording \"" + sound.name + "\"");
        const WaveFacts facts = Facts(resources.Recording(sound.name));
        EXPECT_EQ(facts.rate, 22050);
        EXPECT_EQ(facts.bits, 16);
        EXPECT_EQ(facts.channels, 1);
        EXPECT_GE(facts.milliseconds, sound.shortestMs);
        EXPECT_LE(facts.milliseconds, sound.longestMs);
        EXPECT_LT(facts.silentStartMs, 50);
        EXPECT_LT(facts.silentEndMs, 50);
        EXPECT_GE(facts.peak, lowestPeak);
        EXPECT_LE(facts.peak, highestPeak);
    }
}

}  // namespace
