#include "shell/main_window.h"
#include "shell/menu.h"
#include "support/tutor_fixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QTimer>

namespace {

// A session of the right hand checks Rechte Hand; the menu switches the hand and its check.
TEST(MainWindow, TheHandFollowsTheSessionAndTheMenu)
{
    Resources resources;
    FakeHost host;
    MainWindow window(host, host, host, resources);
    Tutor& tutor = window.Tutor();
    tutor.course.bLeftHand = 0;
    ASSERT_TRUE(window.Create());
    for (int hand : {menu::kRightHand, menu::kLeftHand, menu::kLeftHand, menu::kRightHand}) {
        window.OnCommand(hand);
        EXPECT_EQ(tutor.course.bLeftHand, hand == menu::kLeftHand);
        EXPECT_EQ(window.Action(menu::kLeftHand)->isChecked(), hand == menu::kLeftHand);
        EXPECT_EQ(window.Action(menu::kRightHand)->isChecked(), hand == menu::kRightHand);
    }
}

}  // namespace

namespace {

class MissingPictureTest : public TutorTest {};

// A hand whose pictures are missing ends the program with the fatal message: at start, and
// when the learner switches to it.
TEST_F(MissingPictureTest, AHandWithoutItsPicturesEndsTheProgram)
{
    for (const char* missing : {"lhome.png", "rhome.png"}) {
        host.messages.clear();
        resources.missing = {missing};
        MainWindow window(host, host, host, resources);
        const bool atStart = missing[0] == 'l';
        EXPECT_EQ(window.Create(), !atStart) << missing;
        if (!atStart) {
            QTimer::singleShot(0, &window, [&window] { window.OnCommand(menu::kRightHand); });
            QTimer::singleShot(10000, &window, [] { QCoreApplication::exit(99); });   // never waits for ever
            EXPECT_EQ(QCoreApplication::exec(), 1);
        }
        ASSERT_EQ(host.messages.size(), 2u) << missing;
        EXPECT_EQ(host.messages[0].text, "Can't load hand graphic " + std::string(missing, 5)) << missing;
        EXPECT_EQ(host.messages[1].text, "Unfortunately, due to the reported errors the application must terminate.");
        EXPECT_EQ(host.messages[1].title, "FATAL ERROR");
    }
}

}  // namespace
