#include "course/exercise.h"
#include "flow/dictation.h"
#include "flow/timers.h"
#include "flow/typing.h"
#include "sound/dictation.h"
#include "sound/speech.h"
#include "support/tutor_fixture.h"

#include <string>
#include <vector>

namespace {

using Played = FakeHost::Played;

}  // namespace

void PrintTo(const FakeHost::Played& played, std::ostream* out)
{
    *out << played.wave.toStdString() << (played.wait ? " (waited)" : "");
}

namespace {

// Sounds are recordings named by the program's string table; here each recording is its
// own name, so that what was played reads plainly.
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
        tutor.course.nExLine = 0;
        tutor.course.nCharPos = 0;
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
    static Played Sync(const char* name) { return {name, true}; }
    static Played Async(const char* name) { return {name, false}; }
};

TEST_F(SoundTest, EveryKeySpeaksItsNameAndOtherCharactersNothing)
{
    struct Case {
        unsigned char ch;
        const char* name;   // nullptr: no name
    };
    for (const Case& c : {Case{'a', "SA"}, Case{'A', "SA"}, Case{'z', "SZ"}, Case{'?', "S?"}, Case{0xDF, "SSZ"},
                          Case{'0', "S0"}, Case{'9', "S9"}, Case{',', "S,"}, Case{'-', "S-"}, Case{'.', "SFS"},
                          Case{0xE4, "SAA"}, Case{0xD6, "SOO"}, Case{0xDC, "SUU"}, Case{'\r', "SNTR"},
                          Case{' ', "SSPC"}, Case{'!', nullptr}, Case{'\b', nullptr}, Case{'\t', nullptr}}) {
        host.played.clear();
        const int flushes = host.flushes;
        EXPECT_EQ(SpeakKey(tutor, c.ch), c.name ? kSpoken : kNoName) << int(c.ch);
        EXPECT_EQ(host.played, c.name ? std::vector<Played>{Sync(c.name)} : std::vector<Played>{}) << int(c.ch);
        EXPECT_EQ(host.flushes, flushes + (c.name ? 1 : 0)) << int(c.ch) << ": the hand is shown first";
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
    for (const Case& c : {Case{"jj hh gg ff ff gg hh jj", 0, "jj "}, Case{"jj hh gg ff ff gg hh jj", 3, "hh "},
                          Case{"jj hh gg ff ff gg hh jj", 21, "jj\r"}, Case{"Mitternacht.", 0, "Mitt"},
                          Case{"Kaffee bitte", 0, "Kaf"}, Case{"Tee, bitte", 5, "bitte\r"}, Case{"ja", 0, "ja\r"},
                          Case{"ja", 1, "a\r"}}) {
        tutor.course.nCharPos = static_cast<int16_t>(c.caret);
        FillSayQueue(tutor, c.line);
        EXPECT_EQ(Queue(), c.queue) << c.line << " from " << c.caret;
    }
    tutor.course.nCharPos = 2;
    FillSayQueue(tutor, "ja");
    EXPECT_EQ(Queue(), "a\r") << "at the end of the line the queue stays";
}

// The sound of each mode: the key's name, the click, the error tone, or dictation, which
// refuses a wrong key and names the right one.
TEST_F(SoundTest, EachModeSoundsTheKeysOfTheExercise)
{
    struct Case {
        int soundStudio;
        int errorTone;
        std::string keys;
        std::vector<Played> played;
        int caret;
    };
    for (const Case& c : std::vector<Case>{
             {kSoundOff, 0, "jx", {}, 2},
             {kSoundSpeakKeys, 0, "jx", {Sync("SJ"), Sync("SX")}, 2},
             {kSoundTypewriter, 0, "jx", {Async("CLICK"), Async("CLICK")}, 2},
             {kSoundOff, 1003, "jx", {Async("AUTSCH")}, 2},
             {kSoundSpeakKeys, 1000, "x", {Sync("SX"), Async("DING")}, 1},
             {kSoundDictation, 1003, "jx ", {Sync("SJ"), Sync("SJ")}, 1},
         }) {
        Exercise(c.soundStudio, c.errorTone);
        Type(c.keys);
        EXPECT_EQ(host.played, c.played) << c.soundStudio << " " << c.keys;
        EXPECT_EQ(tutor.course.nCharPos, c.caret) << c.soundStudio << " " << c.keys;
    }
}

TEST_F(SoundTest, DictationRefillsAfterAWordAndRemindsOfEnterAtTheEnd)
{
    Exercise(kSoundDictation);
    EXPECT_EQ(Queue(), "jj ");
    Type("jj ");
    EXPECT_EQ(Queue(), "hh ");
    EXPECT_EQ(host.played, (std::vector<Played>{Sync("SH"), Sync("SH"), Sync("SSPC")}))
        << "the next word is spoken when the key is let go";
    EXPECT_EQ(tutor.sound.bSayWordPending, 0);
    host.played.clear();
    Type("hh gg ff ff gg hh jj");
    EXPECT_EQ(host.played.back(), Sync("SNTR")) << "the last word ends with Enter";
    host.played.clear();
    Type("x");
    EXPECT_EQ(host.played, std::vector<Played>{Async("SNTR")}) << "a key after the end: press Enter";
    Type("\r");
    EXPECT_EQ(tutor.course.nExLine, 1);
    EXPECT_EQ(Queue(), "fjf ");
    EXPECT_EQ(host.timers.at(kDictationTimer), kFirstAnnouncementMs);
}

// The dictation timer: a new line is announced soon, then a reminder after every key; the
// timer stops while a menu is open or the window is inactive, and speaks only where an
// exercise line is on the page.
TEST_F(SoundTest, TheDictationTimerAnnouncesAndReminds)
{
    Exercise(kSoundDictation);
    EXPECT_EQ(host.timers.at(kDictationTimer), kFirstAnnouncementMs);
    OnMainWindowActive(tutor, true);
    EXPECT_EQ(host.timers.at(kDictationTimer), kFirstAnnouncementMs) << "at the start of the line";
    host.Fire(kDictationTimer);
    EXPECT_EQ(host.played, (std::vector<Played>{Sync("SJ"), Sync("SJ"), Sync("SSPC")}));
    EXPECT_EQ(host.timers.at(kDictationTimer), kReminderMs);
    Type("j");
    EXPECT_EQ(host.timers.at(kDictationTimer), kReminderMs);
    OnMenuOpened(tutor);
    EXPECT_FALSE(host.timers.contains(kDictationTimer));
    OnMainWindowActive(tutor, true);
    EXPECT_EQ(host.timers.at(kDictationTimer), kReminderMs);
    OnMainWindowActive(tutor, false);
    EXPECT_FALSE(host.timers.contains(kDictationTimer));
    Paint();
    EXPECT_EQ(host.timers.at(kDictationTimer), kReminderMs) << "drawn again inside the line";

    tutor.course.nPage = 3;   // a page of text
    Paint();
    host.timers.clear();
    OnMainWindowActive(tutor, true);
    StartDictation(tutor);
    EXPECT_TRUE(host.timers.empty()) << "no announcing away from the exercise";
}

}  // namespace
