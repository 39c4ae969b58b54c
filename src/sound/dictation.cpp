#include "sound/dictation.h"

#include "platform/control_codes.h"
#include "sound/speech.h"
#include "tutor.h"

#include <algorithm>

namespace {

constexpr std::size_t kLongest = 8;   // characters looked at for one chunk
constexpr std::size_t kWhole = 5;     // a run longer than this is queued by its first half

}  // namespace

void FillSayQueue(SoundState& sound, std::string_view line, int caret)
{
    auto& queue = sound.abSayWord;
    const std::size_t p = static_cast<std::size_t>(std::max(caret, 0));
    if (p >= line.size())
        return;
    std::size_t i = 1;
    while (true) {
        queue[i] = static_cast<unsigned char>(line[p + i - 1]);
        if (queue[i] == ' ' || i == kLongest || p + i == line.size())
            break;
        ++i;
    }
    if (i > kWhole)
        i /= 2;
    queue[0] = static_cast<unsigned char>(i);
    if (p + i == line.size()) {
        queue[i + 1] = kEnter;
        queue[0] = static_cast<unsigned char>(i + 1);
    }
}

void AdvanceSayQueue(SoundState& sound, std::string_view line, int caret)
{
    auto& queue = sound.abSayWord;
    if (queue[0] < 2) {
        FillSayQueue(sound, line, caret);
        sound.bSayWordPending = true;
        return;
    }
    std::copy(queue.begin() + 2, queue.end(), queue.begin() + 1);
    --queue[0];
}

void AnnounceFromCaret(Tutor& tutor)
{
    FillSayQueue(tutor.sound, tutor.course.szLine, tutor.course.nCharPos);
    tutor.clock.SetTimer(kDictationTimer, tutor.course.nCharPos > 0 ? kReminderMs : kFirstAnnouncementMs);
}

void SpeakSayQueue(Tutor& tutor)
{
    const auto& queue = tutor.sound.abSayWord;
    for (std::size_t i = 1; i <= std::min<std::size_t>(queue[0], kLongest); ++i)
        SpeakKey(tutor, queue[i]);
}
