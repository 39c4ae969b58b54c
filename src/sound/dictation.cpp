#include "sound/dictation.h"

#include "platform/control_codes.h"
#include "sound/speech.h"
#include "tutor.h"

#include <algorithm>

namespace {

constexpr std::size_t kLongest = 8;   // characters looked at for one chunk
constexpr std::size_t kWhole = 5;     // a run longer than this is queued by its first half

}  // namespace

void FillSayQueue(Tutor& tutor, std::string_view line)
{
    auto& queue = tutor.sound.abSayWord;
    const std::size_t p = static_cast<std::size_t>(std::max<int>(tutor.course.nCharPos, 0));
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

void AdvanceSayQueue(Tutor& tutor)
{
    auto& queue = tutor.sound.abSayWord;
    if (queue[0] < 2) {
        FillSayQueue(tutor, tutor.course.szLine);
        tutor.sound.bSayWordPending = 1;
        return;
    }
    std::copy(queue.begin() + 2, queue.end(), queue.begin() + 1);
    --queue[0];
}

void AnnounceFromCaret(Tutor& tutor)
{
    FillSayQueue(tutor, tutor.course.szLine);
    tutor.clock.SetTimer(kDictationTimer, tutor.course.nCharPos > 0 ? kReminderMs : kFirstAnnouncementMs);
}

void SpeakSayQueue(Tutor& tutor)
{
    const auto& queue = tutor.sound.abSayWord;
    for (std::size_t i = 1; i <= std::min<std::size_t>(queue[0], kLongest); ++i)
        SpeakKey(tutor, queue[i]);
}
