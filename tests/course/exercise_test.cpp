#include "course/exercise.h"
#include "course/layout.h"
#include "display/keymap.h"
#include "flow/page_change.h"
#include "flow/typing.h"
#include "support/tutor_fixture.h"

namespace {

const std::string kLine = "jj hh gg ff ff gg hh jj", kBackspace = "\b", kEnter = "\r";

class ExerciseTest : public TutorTest {
protected:
    void SetUp() override
    {
        resources.strings.Set(0, kLine);
        resources.strings.Set(1, "jj hh gg");
        resources.strings.Set(9, "hg");
        tutor.course.nLesson = 2;
        tutor.course.nPage = 2;
        Start();
    }
    void Type(const std::string& text)
    {
        for (char c : text)
            Key(static_cast<unsigned char>(c));
    }
    int Width(int characters) const { return tutor.screen.TextWidth(course.szLine.substr(0, std::size_t(characters))); }
    // Black pixels on the caret line but under the characters [from, to), where the round
    // ends of the pen may reach one pixel further, though not out of the column.
    int CaretInkBesides(int from, int to) const
    {
        const int x0 = tutor.layout.xText + (from > 0 ? Width(from) - 1 : 0);
        const int x1 = tutor.layout.xText + Width(to) + 1;
        const int line = RowTop(tutor, course.nLine) + 4 + tutor.screen.TextHeight();
        int black = 0;
        for (int y = line - 4; y <= line + 4; ++y)
            for (int x = tutor.layout.rcPageArea.left - 4; x < tutor.layout.rcPageArea.right; ++x)
                black += Pixel(x, y) == 0 && (x < x0 || x >= x1);
        return black;
    }
    // The caret underlines the character at p, and nothing else is left on its line.
    void ExpectCaretUnder(int p, const std::string& what) const
    {
        EXPECT_EQ(CaretInkBesides(p, p + 1), 0) << what;
        EXPECT_GE(CaretInkBesides(0, 0), Width(p + 1) - Width(p)) << what;
    }
    // A key as the input filter gives it: the hand strikes, the page handles it, and it is let go.
    void Key(unsigned char c)
    {
        OnCharacter(tutor, c);
        OnKeyRelease(tutor);
    }
    // The keyboard on the screen shows the hand at the key.
    bool HandAt(unsigned char ch) const
    {
        const int index = KeyIndexOf(ch);
        QImage expected = tutor.display.hbmKeyboard.copy();
        const QImage& hand = tutor.display.hbmHand[index];
        const Point at = tutor.display.ptHandOffset[index];
        for (int y = 0; y < hand.height() && at.y + y < expected.height(); ++y)
            for (int x = 0; x < hand.width(); ++x)
                expected.setPixel(at.x + x, at.y + y, hand.pixel(x, y));
        return Area(tutor.display.rcKeyboard) == expected;
    }
    const CourseState& course = tutor.course;
};

// What a key does at a caret, decided from the course alone: what it counts, where the
// caret goes and what it sounds, in each sound mode.
TEST(KeyOutcome, EachKeyCountsMovesAndSoundsAsTheLineAndTheModeSay)
{
    using Step = KeyOutcome::Step;
    using Sound = KeyOutcome::Sound;
    constexpr int kTone = kFirstErrorTone + 3;
    struct Row {
        int16_t caret, line;
        int studio, tone;
        unsigned char key;
        Step step;
        Sound sound;
        bool counted, correct;
    };
    for (const Row& row : std::initializer_list<Row>{
             {0, 0, kSoundOff, 0, 'a', Step::On, Sound::None, true, true},
             {0, 0, kSoundOff, 0, 'x', Step::On, Sound::None, true, false},
             {0, 0, kSoundSpeakKeys, kTone, 'x', Step::On, Sound::ErrorTone, true, false},
             {0, 0, kSoundDictation, 0, 'a', Step::On, Sound::None, true, true},
             {0, 0, kSoundDictation, 0, 'x', Step::Stay, Sound::NameExpected, true, false},
             {0, 0, kSoundOff, 0, '\b', Step::Stay, Sound::Beep, false, false},
             {1, 0, kSoundOff, 0, '\b', Step::Back, Sound::None, false, false},
             {1, 0, kSoundDictation, 0, '\b', Step::Stay, Sound::None, false, false},
             {1, 0, kSoundOff, 0, '\r', Step::Stay, Sound::None, false, false},
             {2, 0, kSoundOff, kTone, 'x', Step::Stay, Sound::None, true, false},
             {2, 0, kSoundDictation, 0, 'x', Step::Stay, Sound::EnterReminder, true, false},
             {2, 0, kSoundOff, 0, '\r', Step::NextLine, Sound::None, false, false},
             {2, 1, kSoundOff, 0, '\r', Step::LessonDone, Sound::None, false, false}}) {
        CourseState course;
        course.szLine = "ab";
        course.nLineLen = 2;
        course.nExLines = 2;
        course.nCharPos = row.caret;
        course.nExLine = row.line;
        course.nSoundStudio = row.studio;
        course.nErrorTone = row.tone;
        const unsigned char expected = row.caret < 2 ? static_cast<unsigned char>("ab"[row.caret]) : 0;
        EXPECT_EQ(CheckExerciseChar(course, row.key),
                  (KeyOutcome{row.key, expected, row.counted, row.correct, row.step, row.sound}))
            << int(row.key) << " at " << row.caret << " in mode " << row.studio;
    }
}

// From the start of the first line: where the keys leave the position, what they count,
// and one caret, under the position, with nothing left where it was before.
TEST_F(ExerciseTest, KeysMoveThePositionAndCountAsTheySay)
{
    // keys typed, and then: position, keystrokes, right ones, beeps
    for (const auto& [keys, outcome] : std::initializer_list<std::pair<std::string, std::string>>{
             {"", "0 0 0 0"},                           // the line shown, the caret under j
             {"jx ", "3 3 2 0"},                        // a wrong key counts and advances
             {"jx" + kBackspace, "1 2 1 0"},            // Backspace goes back, uncounted
             {"jx" + kBackspace + "j", "2 3 2 0"},      // the key typed again counts again
             {kBackspace, "0 0 0 1"},                   // nothing before the start: a beep
             {"jj" + kEnter, "2 2 2 0"},                // Enter inside the line: nothing
             {kLine + "jj", "23 25 23 0"}}) {           // after the end: wrong, and no caret
        tutor.course.nCharPos = tutor.course.nKeystrokes = tutor.course.nCorrect = host.beeps = 0;
        Paint();
        Type(keys);
        EXPECT_EQ(std::to_string(course.nCharPos) + " " + std::to_string(course.nKeystrokes) + " " +
                      std::to_string(course.nCorrect) + " " + std::to_string(host.beeps),
                  outcome) << keys;
        if (course.nCharPos < course.nLineLen)
            ExpectCaretUnder(course.nCharPos, keys);
        else
            EXPECT_EQ(CaretInkBesides(0, 0), 0) << keys;
    }
}

// Enter at the end of a line writes the next one on the same row, over the longer old one,
// on the column (the first line of a page sits one pixel right of it); Enter at the end of
// the last line moves one page on.
TEST_F(ExerciseTest, EnterAtTheEndBringsTheNextLineOrPage)
{
    const int y = RowTop(tutor, course.nLine), height = tutor.screen.TextHeight();
    const Rect row{tutor.layout.xText, y, tutor.layout.rcPageArea.right, y + height};
    const QImage first = Area(row);
    Type(kLine + kEnter);
    EXPECT_EQ(course.szLine + " " + std::to_string(course.nKeystrokes), "jj hh gg 23");
    ExpectCaretUnder(0, "the next line");
    EXPECT_EQ(DarkPixels({row.left + Width(8) + 4, y, row.right, y + height}), 0) << "the old line is cleared";
    EXPECT_EQ(first.copy(1, 0, Width(8), height), Area(row).copy(0, 0, Width(8), height));
    tutor.course.nExLine = 9;
    Paint();
    Type("hg");
    OnCharacter(tutor, '\r');
    EXPECT_EQ(course.nLesson * 10 + course.nPage, 23);
}

// The hand shows the key to type; a wrong key beeps (the capital of the expected letter
// first warns of Caps Lock, once); each right key shows the next prompt as a repaint at that
// step shows it; Enter after the four keys ends the trial, uncounted, on the first exercise.
TEST_F(ExerciseTest, TrialTheHomeKeysAndEnterCompleteTheTrial)
{
    for (int i = 0; i < 16; ++i)
        resources.strings.Set(1064 + i, "line " + std::to_string(i));
    for (const auto& [left, keys] : {std::pair{true, "jhgf"}, std::pair{false, "fghj"}}) {
        tutor.course.bLeftHand = left;
        tutor.course.nLesson = 1;
        tutor.course.nPage = 3;
        Start();
        ChangePage(tutor, +1);
        Key(static_cast<unsigned char>(keys[0] - 32));   // its capital
        Key(13);
        EXPECT_EQ(host.messages.size(), 1u) << "Caps Lock, once per run";
        EXPECT_EQ(host.beeps, left ? 1 : 3);
        EXPECT_TRUE(HandAt(keys[0]));
        for (int step = 0; step < 4; ++step) {
            Key(static_cast<unsigned char>(keys[step]));
            EXPECT_EQ(tutor.course.nExLine, step + 1);
            EXPECT_TRUE(step == 3 || HandAt(keys[step + 1])) << step;
            const QImage typed = Area(tutor.layout.rcPageArea);
            Paint();
            EXPECT_EQ(Area(tutor.layout.rcPageArea), typed) << step;
        }
        if (left)
            continue;   // the right hand's run starts the trial afresh from the page before it
        Key(13);
        EXPECT_EQ(tutor.course.nLesson * 10 + tutor.course.nPage, 22);
        EXPECT_EQ(tutor.course.nKeystrokes + tutor.course.nCorrect, 0) << "the trial is not counted";
        EXPECT_EQ(host.sleeps, std::vector<int>{150});
        EXPECT_GE(host.flushes, 1) << "the hand on Enter is shown before the wait";
    }
    EXPECT_EQ(host.messages[0].title + ": " + host.messages[0].text,
              "Caps Lock Warning: The 'CAPS LOCK' key may be down. 'CAPS LOCK' should be up in the early Lessons.");
}

}  // namespace
