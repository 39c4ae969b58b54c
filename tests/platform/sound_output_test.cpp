#include "platform/sound.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstring>

namespace {

// A WAVE image at the output's own rate: `samples` samples all of one value.
QByteArray Wave(int samples, int16_t value)
{
    const auto u32 = [](QByteArray& out, quint32 v) { out.append(reinterpret_cast<const char*>(&v), 4); };
    const auto u16 = [](QByteArray& out, quint16 v) { out.append(reinterpret_cast<const char*>(&v), 2); };
    QByteArray wave("RIFF");
    u32(wave, 36 + 2 * samples);
    wave.append("WAVEfmt ");
    u32(wave, 16);
    u16(wave, 1);
    u16(wave, 1);
    u32(wave, 22050);
    u32(wave, 44100);
    u16(wave, 2);
    u16(wave, 16);
    wave.append("data");
    u32(wave, 2 * samples);
    for (int i = 0; i < samples; ++i)
        u16(wave, static_cast<quint16>(value));
    return wave;
}

// Runs of one sample value in what the device played, in order.
std::vector<std::pair<int16_t, int>> Runs(const QByteArray& played)
{
    std::vector<std::pair<int16_t, int>> runs;
    for (qsizetype at = 0; at + 1 < played.size(); at += 2) {
        int16_t sample;
        std::memcpy(&sample, played.constData() + at, 2);
        if (sample == 0)
            continue;
        if (runs.empty() || runs.back().first != sample)
            runs.emplace_back(sample, 0);
        ++runs.back().second;
    }
    return runs;
}

// Through SDL's disk driver, which writes what the device plays to a file: a sound played
// with waiting is heard whole before the next one starts; a sound played without waiting is
// cut off by the next. What is no recording is refused.
TEST(SoundOutput, WaitingPlaysWholeAndTheNewestSoundReplacesThePlayingOne)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("played.raw");
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(file));
    {
        SoundOutput output;
        output.Open();
        ASSERT_TRUE(output.Play(Wave(4410, 1000), true));
        ASSERT_TRUE(output.Play(Wave(22050, 2000), false));
        ASSERT_TRUE(output.Play(Wave(2205, 3000), true));
        EXPECT_FALSE(output.Play(QByteArray("RIFF but not a recording"), false));
        EXPECT_FALSE(output.Play(QByteArray(), true));
    }
    qputenv("SDL_AUDIODRIVER", "dummy");
    QFile played(file);
    ASSERT_TRUE(played.open(QIODevice::ReadOnly));
    auto runs = Runs(played.readAll());
    ASSERT_GE(runs.size(), 2u);
    EXPECT_EQ(runs.front(), (std::pair<int16_t, int>{1000, 4410})) << "heard whole";
    EXPECT_EQ(runs.back(), (std::pair<int16_t, int>{3000, 2205})) << "heard whole";
    runs.erase(runs.begin());
    runs.pop_back();
    for (const auto& [value, length] : runs) {
        EXPECT_EQ(value, 2000);
        EXPECT_LT(length, 22050) << "cut off by the newer sound";
    }
}

}  // namespace
