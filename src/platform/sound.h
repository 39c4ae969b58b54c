#pragma once

#include <QByteArray>

#include <cstdint>
#include <map>
#include <thread>
#include <vector>

// Plays WAVE recordings through SDL's audio subsystem, one voice: the newest sound
// replaces the one playing. Without a sound device it plays into SDL's dummy driver, in
// silence and without complaint.
class SoundOutput {
public:
    SoundOutput() = default;
    SoundOutput(const SoundOutput&) = delete;
    SoundOutput& operator=(const SoundOutput&) = delete;
    ~SoundOutput();

    // Opens the device; later calls do nothing. Finding the device can take a tenth of a
    // second, so the program starts opening it on a thread of its own; the first sound
    // waits for that.
    void Open();
    void OpenInBackground();
    // Plays a WAVE image; with `wait`, returns when it has been heard to its end. False for
    // data that is no WAVE recording, and when there is no sound at all (no SDL library).
    bool Play(const QByteArray& wave, bool wait);

private:
    const std::vector<uint8_t>* Converted(const QByteArray& wave);

    std::thread opener_;
    bool opened_ = false;
    uint32_t device_ = 0;
    int bytesPerSecond_ = 0;
    int bufferBytes_ = 0;
    // Recordings in the device's format, by the address of their (resource) data.
    std::map<const char*, std::vector<uint8_t>> converted_;
};
