#include "shell/main_window.h"
#include "support/tutor_fixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>
#include <QTimer>

namespace {

QAction* MenuItem(const MainWindow& window, const QString& text)
{
    for (QAction* action : window.menuBar()->findChildren<QAction*>())
        if (action->text() == text)
            return action;
    return nullptr;
}

class MainWindowTest : public TutorTest {};

// A session of the right hand checks Rechte Hand; the menu switches the hand and its check.
TEST_F(MainWindowTest, TheHandFollowsTheSessionAndTheMenu)
{
    MainWindow window(host, host, host, resources);
    CourseState& course = window.Tutor().course;
    course.bLeftHand = false;
    ASSERT_TRUE(window.Create());
    for (const bool left : {false, true, true, false}) {
        MenuItem(window, left ? "Linke Hand" : "Rechte Hand")->trigger();
        EXPECT_EQ(course.bLeftHand, left);
        EXPECT_EQ(MenuItem(window, "Linke Hand")->isChecked(), left);
        EXPECT_EQ(MenuItem(window, "Rechte Hand")->isChecked(), !left);
    }
}

// A hand whose pictures are missing ends the program with the fatal message: at start, and
// when the learner switches to it.
TEST_F(MainWindowTest, AHandWithoutItsPicturesEndsTheProgram)
{
    for (const char* missing : {"lhome.png", "rhome.png"}) {
        host.messages.clear();
        resources.missing = {missing};
        MainWindow window(host, host, host, resources);
        const bool atStart = missing[0] == 'l';
        EXPECT_EQ(window.Create(), !atStart) << missing;
        if (!atStart) {
            QTimer::singleShot(0, &window, [&window] { MenuItem(window, "Rechte Hand")->trigger(); });
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
