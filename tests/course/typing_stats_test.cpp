#include "course/practice.h"
#include "course/typing_stats.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Key {
    char ch;
    int64_t at;
};

// Types keys with their times on the exercise lines "ab", "ab" of lesson 4 for the left hand, as
// the flow does; returns the lines finished.
class TypingStatsTest : public testing::Test {
protected:
    TypingStatsTest()
    {
        course.nLesson = 4;
        course.szLine = "ab";
        course.nLineLen = 2;
        course.nExLines = 2;
    }
    std::vector<FinishedLine> Type(const std::vector<Key>& keys)
    {
        std::vector<FinishedLine> finished;
        for (const Key& key : keys) {
            const KeyOutcome outcome = CheckExerciseChar(course, static_cast<unsigned char>(key.ch));
            if (auto line = CountTypedKey(stats, course, outcome, key.at))
                finished.push_back(*line);
            CountKey(course, outcome);
            if (outcome.step == KeyOutcome::Step::NextLine) {
                ++course.nExLine;
                course.nCharPos = 0;
            }
        }
        return finished;
    }
    CourseState course;
    TypingStats stats;
};

// Speed counts the keystrokes over the time from a line's first key to its Enter, a pause
// longer than 5 s counting 5 s; Backspace and Enter take time but are no keystrokes.
TEST_F(TypingStatsTest, SpeedAndErrorsOfAFinishedLine)
{
    struct Case {
        std::vector<Key> keys;
        int keystrokes, errors;
        int64_t typingMs;
        int perMinute, accuracy;
    };
    for (const Case& c : std::initializer_list<Case>{
             {{{'a', 1000}, {'b', 1200}, {'\r', 1400}}, 2, 0, 400, 300, 100},
             {{{'a', 0}, {'b', 60000}, {'\r', 60100}}, 2, 0, 5100, 23, 100},
             {{{'x', 0}, {'\b', 100}, {'a', 200}, {'b', 300}, {'\r', 400}}, 3, 1, 400, 450, 66},
             {{{'a', 0}, {'b', 100}, {'b', 200}, {'\r', 300}}, 3, 1, 300, 600, 66},   // a key after the end
         }) {
        stats = {};
        course.nExLine = course.nCharPos = 0;
        const std::vector<FinishedLine> lines = Type(c.keys);
        ASSERT_EQ(lines.size(), 1u);
        const Tally& tally = lines[0].tally;
        EXPECT_EQ(std::vector<int64_t>({tally.keystrokes, tally.errors, tally.typingMs, PerMinute(tally),
                                        AccuracyPercent(tally)}),
                  std::vector<int64_t>({c.keystrokes, c.errors, c.typingMs, c.perMinute, c.accuracy}))
            << c.keys.size() << " keys";
        EXPECT_EQ(std::tuple(lines[0].leftHand, lines[0].lesson, lines[0].line), std::tuple(true, 4, 0));
    }
}

// Each character asked for counts its strikes, its errors with what was typed instead, and
// the time from the key before for its right strikes; Enter is asked for after the line.
TEST_F(TypingStatsTest, ErrorsAndTimesPerKey)
{
    const std::vector<FinishedLine> lines =
        Type({{'x', 0}, {'\b', 100}, {'y', 150}, {'\b', 200}, {'a', 300}, {'b', 700}, {'n', 800}, {'\r', 900}});
    ASSERT_EQ(lines.size(), 1u);
    const auto& keys = lines[0].keys;
    ASSERT_EQ(keys.size(), 3u);
    const KeyTally &a = keys.at('a'), &b = keys.at('b'), &enter = keys.at('\r');
    EXPECT_EQ(std::tuple(a.strikes, a.errors, a.instead, a.correctMs, a.timedStrikes),
              std::tuple(3, 2, (std::map<unsigned char, int>{{'x', 1}, {'y', 1}}), 100, 1));
    EXPECT_EQ(std::tuple(b.strikes, b.errors, b.correctMs, b.timedStrikes), std::tuple(1, 0, 400, 1));
    EXPECT_EQ(std::tuple(enter.strikes, enter.errors, enter.instead), std::tuple(1, 1, (std::map<unsigned char, int>{{'n', 1}})));
}

// The status bar: the line and the lesson so far on the exercise page, the last line elsewhere;
// a line left and begun again, or another lesson, starts its figures afresh.
TEST_F(TypingStatsTest, TheStatusTextFollowsTheLineAndTheLesson)
{
    EXPECT_EQ(StatusText(stats, course, false).toStdString(), "");
    EXPECT_EQ(StatusText(stats, course, true).toStdString(), "Zeile: noch kein Anschlag   Übung 4: noch kein Anschlag");
    Type({{'a', 0}, {'x', 600}});
    EXPECT_EQ(StatusText(stats, course, true).toStdString(),
              "Zeile: 200 Anschläge/Min., 1 Fehler, 50 %   Übung 4: 200 Anschläge/Min., 1 Fehler, 50 %");
    Type({{'\r', 1200}, {'a', 10000}, {'b', 10300}});
    EXPECT_EQ(StatusText(stats, course, true).toStdString(),
              "Zeile: 400 Anschläge/Min., 0 Fehler, 100 %   Übung 4: 160 Anschläge/Min., 1 Fehler, 75 %");
    EXPECT_EQ(StatusText(stats, course, false).toStdString(), "Letzte Zeile: 100 Anschläge/Min., 1 Fehler, 50 %");
    course.nCharPos = 0;   // the learner left the page and came back: the line starts afresh
    EXPECT_EQ(StatusText(stats, course, true).toStdString(),
              "Zeile: noch kein Anschlag   Übung 4: 100 Anschläge/Min., 1 Fehler, 50 %");
    Type({{'a', 11000}});
    EXPECT_EQ(stats.line.keystrokes, 1);
    course.nLesson = 5;
    course.nExLine = course.nCharPos = 0;
    EXPECT_EQ(StatusText(stats, course, true).toStdString(), "Zeile: noch kein Anschlag   Übung 5: noch kein Anschlag");
    Type({{'a', 20000}});
    EXPECT_EQ(StatusText(stats, course, true).toStdString(), "Zeile: 0 Anschläge/Min., 0 Fehler, 100 %   Übung 5: 0 Anschläge/Min., 0 Fehler, 100 %");
}

// Free practice weighs each key by its errors in the history, with those of this run's lines;
// keys never asked for have no rate, and another hand's lines count for nothing.
TEST_F(TypingStatsTest, FreePracticeWeighsKeysByTheHistoryAndThisRun)
{
    Type({{'x', 0}, {'b', 100}, {'\r', 200}});   // a wrong, b right
    PracticeState practice;
    practice.history = {{'a', {6, 1}}, {'c', {0, 0}}};
    EXPECT_EQ(ErrorRates(practice, stats), (std::map<unsigned char, double>{{'a', 2.0 / 7}, {'b', 0.0}}));
    course.bLeftHand = false;
    course.nExLine = course.nCharPos = 0;
    Type({{'a', 300}, {'b', 400}, {'\r', 500}});
    EXPECT_EQ(ErrorRates({}, stats), (std::map<unsigned char, double>{{'a', 0.0}, {'b', 0.0}}));
}

}  // namespace
