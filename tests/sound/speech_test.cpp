#include "flow/timers.h"
#include "flow/typing.h"
#include "sound/dictation.h"
#include "sound/speech.h"
#include "support/tutor_fixture.h"

#include <string>
#include <tuple>
#include <vector>

void PrintTo(const FakeHost::Played& played, std::ostream* out)
{
    *out << played.wave.toStdString() << (played.wait ? " (waited)" : "");
}

namespace {

using Played = std::vector<FakeHost::Played>;

FakeHost::Played Sync(const char* name) { return {name, true}; }
FakeHost::Played Async(const char* name) { return {name, false}; }

// Each recording here is its own name, so that what was played reads plainly.
class SoundTest : public TutorTest {
protected:
    void SetUp() override
    {
        resources.strings = Resources::BuiltIn().strings;
        resources.namedRecordings = true;
        resources.strings.Set(1, "fjf jfj");   // the first line, 0, is "jj hh gg ff ff gg hh jj"
        host.SetTimerHandler([this](int id) { OnTimer(tutor, id); });
    }
    // Types keys on the first line of lesson 2's exercise page in a sound mode.
    void Type(const std::string& keys, int soundStudio = -1, int errorTone = 0)
    {
        if (soundStudio >= 0) {
            tutor.course.nLesson = tutor.course.nPage = 2;
            tutor.course.nExLine = tutor.course.nCharPos = 0;
            tutor.course.nSoundStudio = static_cast<int16_t>(soundStudio);
            tutor.course.nErrorTone = static_cast<int16_t>(errorTone);
            Start();
            host.played.clear();
        }
        for (char key : keys) {
            OnCharacter(tutor, static_cast<unsigned char>(key));
            OnKeyRelease(tutor);
        }
    }
    std::string Queue() const { const auto& q = tutor.sound.abSayWord; return std::string(q.begin() + 1, q.begin() + 1 + q[0]); }
};

// A capital is named as its small letter; "?" has a name of its own beside ß's; the hand is
// shown before the name is heard.
TEST_F(SoundTest, EveryKeySpeaksItsNameAndOtherCharactersNothing)
{
    for (const auto& [ch, name] : std::vector<std::pair<unsigned char, const char*>>{
             {'a', "SA"}, {'A', "SA"}, {'z', "SZ"}, {'?', "S?"}, {0xDF, "SSZ"}, {'0', "S0"}, {'9', "S9"}, {',', "S,"},
             {'-', "S-"}, {'.', "SFS"}, {0xE4, "SAA"}, {0xD6, "SOO"}, {0xDC, "SUU"}, {'\r', "SNTR"}, {' ', "SSPC"},
             {'!', nullptr}, {'\b', nullptr}, {'\t', nullptr}}) {
        host.played.clear();
        const int flushes = host.flushes;
        EXPECT_EQ(SpeakKey(tutor, ch), name ? kSpoken : kNoName) << int(ch);
        EXPECT_EQ(host.played, name ? Played{Sync(name)} : Played{}) << int(ch);
        EXPECT_EQ(host.flushes, flushes + (name ? 1 : 0)) << int(ch);
    }
    resources.missing.insert("SA");
    EXPECT_EQ(SpeakKey(tutor, 'a'), kNoRecording);
    EXPECT_EQ(host.beeps, 1);
}

// The queue holds the next word with its space, the first half of a longer run, and Enter
// where it reaches the end of the line; past the end it stays.
TEST_F(SoundTest, TheDictationQueueTakesAWordOrHalfARunAndEnterAtTheEnd)
{
    for (const auto& [line, caret, queue] : std::vector<std::tuple<std::string, int16_t, std::string>>{
             {"jj hh gg ff", 0, "jj "}, {"jj hh gg ff", 3, "hh "}, {"jj hh gg ff", 9, "ff\r"},
             {"Mitternacht.", 0, "Mitt"}, {"Kaffee", 0, "Kaf"}, {"Tee, bitte", 5, "bitte\r"},
             {"ja", 0, "ja\r"}, {"ja", 1, "a\r"}, {"ja", 2, "a\r"}}) {
        FillSayQueue(tutor.sound, line, caret);
        EXPECT_EQ(Queue(), queue) << line << " from " << caret;
    }
}

// Each mode sounds the typed keys: their names, the click, or the error tone after a wrong one.
TEST_F(SoundTest, EachModeSoundsTheKeysOfTheExercise)
{
    for (const auto& [soundStudio, errorTone, played] : std::vector<std::tuple<int, int, Played>>{
             {kSoundOff, 0, {}},
             {kSoundSpeakKeys, 0, {Sync("SJ"), Sync("SX")}},
             {kSoundTypewriter, 0, {Async("CLICK"), Async("CLICK")}},
             {kSoundOff, 1003, {Async("AUTSCH")}},
             {kSoundSpeakKeys, 1000, {Sync("SJ"), Sync("SX"), Async("DING")}}}) {
        Type("jx", soundStudio, errorTone);
        EXPECT_EQ(host.played, played) << soundStudio << " " << errorTone;
    }
}

// Dictation announces a new line, names the right key after a wrong one, speaks the next
// word when a word's last key is let go and asks for Enter at the end of the line.
TEST_F(SoundTest, DictationSpeaksTheLineAheadOfTheKeys)
{
    Type("", kSoundDictation);
    EXPECT_EQ(host.timers.at(kDictationTimer), kFirstAnnouncementMs);
    host.Fire(kDictationTimer);
    EXPECT_EQ(host.played, (Played{Sync("SJ"), Sync("SJ"), Sync("SSPC")}));
    EXPECT_EQ(host.timers.at(kDictationTimer), kReminderMs);
    host.played.clear();
    Type("xj");
    Paint();
    EXPECT_EQ(host.timers.at(kDictationTimer), kReminderMs) << "drawn again inside the line";
    Type("j ");
    EXPECT_EQ(host.played, (Played{Sync("SJ"), Sync("SH"), Sync("SH"), Sync("SSPC")}));
    EXPECT_EQ(tutor.course.nCharPos, 3);
    Type("hh gg ff ff gg hh jj");
    EXPECT_EQ(host.played.back(), Sync("SNTR")) << "the last word ends with Enter";
    host.played.clear();
    Type("x\r");
    EXPECT_EQ(host.played, Played{Async("SNTR")}) << "a key after the end: press Enter";
    EXPECT_EQ(Queue(), "fjf ");
    EXPECT_EQ(host.timers.at(kDictationTimer), kFirstAnnouncementMs);
}

}  // namespace
