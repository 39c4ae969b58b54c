#include "course/demo.h"

#include "course/navigation.h"
#include "display/hand.h"
#include "platform/control_codes.h"
#include "tutor.h"

#include <string_view>

namespace {

// Code page 1252; the newline at its end is struck (showing no hand) but not typed.
constexpr std::string_view kDemoText =
    "Der Xaver den s\xFC\xDF" "en Jodler singt, Holleraderr\xFC" "h, d\xF6 und d\xE4, er hat's geschafft und alle "
    "\xDC" "bungen vollbracht.\n";

constexpr int kTicksPerChar = 3;
constexpr int kLastTick = static_cast<int>(kDemoText.size() - 1) * kTicksPerChar;   // the strike of the newline
constexpr int kFinalWaitMs = 517;

}  // namespace

void DemoStep(Tutor& tutor)
{
    DemoState& demo = tutor.demo;
    if (demo.nDemoTick == 0)
        demo.nDemoChar = 0;
    if (demo.nDemoTick <= kLastTick) {
        const auto ch = static_cast<unsigned char>(kDemoText[static_cast<std::size_t>(demo.nDemoChar)]);
        switch (demo.nDemoTick % kTicksPerChar) {
        case 0:
            DrawHandAtKey(tutor, ch);
            break;
        case 1:
            tutor.typingArea.TypeIntoTypingArea(ch);
            break;
        default:
            DrawHomeHand(tutor);
            ++demo.nDemoChar;
            break;
        }
        return;
    }
    tutor.clock.KillTimer(kDemoTimer);
    DrawHandAtKey(tutor, kEnter);
    tutor.typingArea.TypeIntoTypingArea(kEnter);
    WaitMs(tutor, kFinalWaitMs);
    DrawHomeHand(tutor);
    tutor.typingArea.ShowTypingCaret(true);
    demo.bDemoDone = true;
}

void StopDemo(Tutor& tutor)
{
    DemoState& demo = tutor.demo;
    if (demo.bDemoDone)
        return;
    tutor.clock.KillTimer(kDemoTimer);
    if (demo.nDemoTick >= 0) {
        DrawHomeHand(tutor);
        tutor.typingArea.TakeBackTyping();   // half a sentence, or the learner's typing is glued to it
        tutor.typingArea.ShowTypingCaret(true);
    }
    demo.bDemoDone = true;
}
