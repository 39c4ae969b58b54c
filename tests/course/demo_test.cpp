#include "flow/page_change.h"
#include "flow/timers.h"
#include "support/tutor_fixture.h"

namespace {

class DemoTest : public TutorTest {
protected:
    void SetUp() override
    {
        host.SetTimerHandler([this](int id) { OnTimer(tutor, id); });
        Start();
    }
    // Lets timer 1 expire n times.
    void Tick(int n)
    {
        for (int i = 0; i < n; ++i)
            host.Fire(kDemoTimer);
    }
    QImage ScreenKeyboard() const { return Area(tutor.display.rcKeyboard); }
};

const std::string kSentence = "Der Xaver den s\xFC\xDF" "en Jodler singt, Holleraderr\xFC" "h, d\xF6 und d\xE4, er hat's "
                              "geschafft und alle \xDC" "bungen vollbracht.";

// A fresh start: 800 ms after the paint the hand types the sentence, three 60 ms ticks a
// character, then Enter; it runs once.
TEST_F(DemoTest, AFreshStartTypesTheSentenceOnce)
{
    EXPECT_EQ(host.timers.at(kDemoTimer), 800);
    const QImage home = ScreenKeyboard();
    Tick(1);
    EXPECT_EQ(host.timers.at(kDemoTimer), 60);
    EXPECT_FALSE(host.caretShown);
    EXPECT_NE(ScreenKeyboard(), home) << "the hand strikes D";
    Tick(2);
    EXPECT_EQ(host.typed, "D");
    EXPECT_EQ(ScreenKeyboard(), home) << "and comes home";
    Tick(320);
    EXPECT_EQ(host.typed, kSentence + "\r");
    EXPECT_EQ(host.sleeps, std::vector<int>{517});
    EXPECT_TRUE(host.caretShown);
    EXPECT_FALSE(host.timers.contains(kDemoTimer));
    EXPECT_EQ(tutor.course.nKeystrokes, 0) << "not counted";
    ChangePage(tutor, +1);
    ChangePage(tutor, -1);
    Paint();
    EXPECT_FALSE(host.timers.contains(kDemoTimer)) << "never again";
    EXPECT_EQ(host.typed, kSentence + "\r") << "the whole sentence stays";
}

TEST_F(DemoTest, NoDemonstrationWithASessionFile)
{
    host.timers.clear();
    tutor.shell.szFileName = "kurs.klv";
    Paint();
    EXPECT_FALSE(host.timers.contains(kDemoTimer));
}

// Leaving the start page ends it at once: the hand at home, the caret shown, what it typed
// taken away, no more typing.
TEST_F(DemoTest, LeavingTheStartPageEndsIt)
{
    Tick(4);
    ASSERT_EQ(host.typed, "D");
    ChangePage(tutor, +1);
    EXPECT_FALSE(host.timers.contains(kDemoTimer));
    EXPECT_TRUE(host.caretShown);
    EXPECT_EQ(tutor.display.hbmComposite, tutor.display.hbmKeyboard) << "the hand is home";
    EXPECT_EQ(host.typed, "");
    ChangePage(tutor, -1);
    Paint();
    EXPECT_FALSE(host.timers.contains(kDemoTimer));
    EXPECT_EQ(host.typed, "");
}

}  // namespace
