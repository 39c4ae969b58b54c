#include "shell/main_window.h"
#include "shell/menu.h"
#include "shell/qt_host.h"
#include "support/tutor_fixture.h"

#include <QAction>

namespace {

// A session of the right hand checks Rechte Hand; the menu switches the hand and its check.
TEST(MainWindow, TheHandFollowsTheSessionAndTheMenu)
{
    Resources resources;
    QtHost host(resources);
    Tutor tutor(host, resources);
    tutor.course.bLeftHand = 0;
    MainWindow window(tutor);
    host.Attach(&window);
    ASSERT_TRUE(window.Create());
    for (int hand : {menu::kRightHand, menu::kLeftHand, menu::kLeftHand, menu::kRightHand}) {
        window.OnCommand(hand);
        EXPECT_EQ(tutor.course.bLeftHand, hand == menu::kLeftHand);
        EXPECT_EQ(window.Action(menu::kLeftHand)->isChecked(), hand == menu::kLeftHand);
        EXPECT_EQ(window.Action(menu::kRightHand)->isChecked(), hand == menu::kRightHand);
    }
}

}  // namespace
