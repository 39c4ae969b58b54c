#include "platform/sound.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>

#include <cstring>

namespace {

// A WAVE image at the output's own rate: `samples` samples all of one value.
QByteArray Wave(quint32 samples, qint16 value)
{
    QByteArray wave;
    QDataStream out(&wave, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + 2 * samples);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(22050) << quint32(44100) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(2 * samples);
    for (quint32 i = 0; i < samples; ++i)
        out << value;
    return wave;
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
    const QByteArray bytes = played.readAll();
    // Runs of one sample value in what the device played, in order, silence left out.
    std::vector<std::pair<qint16, int>> runs;
    for (qsizetype at = 0; at + 1 < bytes.size(); at += 2) {
        qint16 sample;
        std::memcpy(&sample, bytes.constData() + at, 2);
        if (sample != 0 && (runs.empty() || runs.back().first != sample))
            runs.emplace_back(sample, 0);
        if (sample != 0)
            ++runs.back().second;
    }
    ASSERT_GE(runs.size(), 2u);
    EXPECT_EQ(runs.front(), (std::pair<qint16, int>{1000, 4410})) << "heard whole";
    EXPECT_EQ(runs.back(), (std::pair<qint16, int>{3000, 2205})) << "heard whole";
    for (std::size_t i = 1; i + 1 < runs.size(); ++i) {
        EXPECT_EQ(runs[i].first, 2000);
        EXPECT_LT(runs[i].second, 22050) << "cut off by the newer sound";
    }
}

}  // namespace
