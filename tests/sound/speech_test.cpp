#include "flow/dictation.h"
#include "flow/timers.h"
#include "flow/typing.h"
#include "sound/dictation.h"
#include "sound/speech.h"
#include "support/tutor_fixture.h"

#include <string>
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
        resources.strings.Set(0, "jj hh gg ff ff gg hh jj");
        resources.strings.Set(1, "fjf jfj");
        host.SetTimerHandler([this](int id) { OnTimer(tutor, id); });
    }
    // The exercise page of lesson 2 in a sound mode.
    void Exercise(int soundStudio, int errorTone = 0)
    {
        tutor.course.nSoundStudio = soundStudio;
        tutor.course.nErrorTone = errorTone;
        tutor.course.nLesson = 2;
        tutor.course.nPage = 2;
        Start();
        host.played.clear();
    }
    void Type(const std::string& keys)
    {
        for (char key : keys) {
            OnCharacter(tutor, static_cast<unsigned char>(key));
            OnKeyRelease(tutor);
        }
    }
    std::string Queue() const
    {
        const auto& queue = tutor.sound.abSayWord;
        return std::string(queue.begin() + 1, queue.begin() + 1 + queue[0]);
    }
};

// A capital is named as its small letter; "?" has a name of its own beside ß's; the hand is
// shown before the name is heard.
TEST_F(SoundTest, EveryKeySpeaksItsNameAndOtherCharactersNothing)
{
    const std::pair<unsigned char, const char*> names[] = {
        {'a', "SA"},  {'A', "SA"},  {'z', "SZ"},   {'?', "S?"},   {0xDF, "SSZ"},  {'0', "S0"},    {'9', "S9"},
        {',', "S,"},  {'-', "S-"},  {'.', "SFS"},  {0xE4, "SAA"}, {0xD6, "SOO"},  {0xDC, "SUU"},  {'\r', "SNTR"},
        {' ', "SSPC"}, {'!', nullptr}, {'\b', nullptr}, {'\t', nullptr}};
    for (const auto& [ch, name] : names) {
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
// where it reaches the end of the line.
TEST_F(SoundTest, TheDictationQueueTakesAWordOrHalfARunAndEnterAtTheEnd)
{
    struct Case {
        std::string line;
        int caret;
        std::string queue;
    };
    for (const Case& c : {Case{"jj hh gg ff", 0, "jj "}, Case{"jj hh gg ff", 3, "hh "}, Case{"jj hh gg ff", 9, "ff\r"},
                          Case{"Mitternacht.", 0, "Mitt"}, Case{"Kaffee bitte", 0, "Kaf"}, Case{"Tee, bitte", 5, "bitte\r"},
                          Case{"ja", 0, "ja\r"}, Case{"ja", 1, "a\r"}, Case{"ja", 2, "a\r"}}) {
        tutor.course.nCharPos = static_cast<int16_t>(c.caret);
        FillSayQueue(tutor, c.line);
        EXPECT_EQ(Queue(), c.queue) << c.line << " from " << c.caret;
    }
}

// Dictation announces a new line soon, then reminds after every key; it speaks the next word
// when a word's last key is let go and asks for Enter at the end of the line.
TEST_F(SoundTest, DictationSpeaksTheNextWordAndTheTimerReminds)
{
    Exercise(kSoundDictation);
    EXPECT_EQ(host.timers.at(kDictationTimer), kFirstAnnouncementMs);
    host.Fire(kDictationTimer);
    EXPECT_EQ(host.played, (Played{Sync("SJ"), Sync("SJ"), Sync("SSPC")}));
    EXPECT_EQ(host.timers.at(kDictationTimer), kReminderMs);
    host.played.clear();
    Type("xjj ");
    EXPECT_EQ(host.played, (Played{Sync("SJ"), Sync("SH"), Sync("SH"), Sync("SSPC")}))
        << "a wrong key names the right one; the next word follows the last key of a word";
    OnMenuOpened(tutor);
    EXPECT_FALSE(host.timers.contains(kDictationTimer));
    OnMainWindowActive(tutor, true);
    EXPECT_EQ(host.timers.at(kDictationTimer), kReminderMs) << "inside the line";
    Type("hh gg ff ff gg hh jj");
    EXPECT_EQ(host.played.back(), Sync("SNTR")) << "the last word ends with Enter";
    host.played.clear();
    Type("x\r");
    EXPECT_EQ(host.played, Played{Async("SNTR")}) << "a key after the end: press Enter";
    EXPECT_EQ(Queue(), "fjf ");
    EXPECT_EQ(host.timers.at(kDictationTimer), kFirstAnnouncementMs);
}

}  // namespace
