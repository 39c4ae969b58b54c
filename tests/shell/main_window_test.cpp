#include "flow/page_change.h"
#include "shell/input_filter.h"
#include "shell/main_window.h"
#include "support/tutor_fixture.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
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

// Wrong characters are red and underlined in the typing area while "Fehler markieren" is checked,
// which is kept for the next start; the status bar shows the line's figures as they change.
TEST_F(MainWindowTest, WrongCharactersAreMarkedAndTheStatusBarCounts)
{
    resources.strings.Set(0, "jjj");
    MainWindow window(host, host, host, resources);
    window.Tutor().course.nLesson = window.Tutor().course.nPage = 2;
    ASSERT_TRUE(window.Create());
    ChangePage(window.Tutor(), 0);
    InputFilter filter(window.Tutor(), window, [&window](const TypedKey* typed) { window.KeyHandled(typed); });
    qApp->installEventFilter(&filter);
    window.show();
    QApplication::setActiveWindow(&window);
    window.TypingArea().setFocus();
    const auto type = [&](const char* keys) {
        for (const char* key = keys; *key; ++key)
            for (QEvent::Type kind : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent event(kind, Qt::Key_J + (*key - 'j'), Qt::NoModifier, QString(QChar(*key)));
                QApplication::sendEvent(&window.TypingArea(), &event);
            }
    };
    const auto marked = [&] {   // the typed characters, the marked ones capital
        QString text;
        for (auto it = window.TypingArea().document()->begin().begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const bool wrong = format.fontUnderline() && format.foreground().color() == QColor(0xC0, 0, 0);
            text += wrong ? it.fragment().text().toUpper() : it.fragment().text();
        }
        return text.toStdString();
    };
    QAction* mark = MenuItem(window, "Fehler &markieren");
    ASSERT_TRUE(mark && mark->isChecked()) << "checked at the first start";
    type("jx");
    EXPECT_EQ(marked(), "jX");
    const QLabel* status = window.statusBar()->findChild<QLabel*>();
    const QString figures = "Zeile: 0 Anschläge/Min., 1 Fehler, 50 %   Übung 2: 0 Anschläge/Min., 1 Fehler, 50 %";
    EXPECT_TRUE(QTest::qWaitFor([&] { return status->text() == figures; }, 5000))   // soon, not at once
        << status->text().toStdString();
    mark->trigger();
    EXPECT_FALSE(QSettings(QStringLiteral("tastora")).value(QStringLiteral("markErrors")).toBool());
    type("k");
    EXPECT_EQ(marked(), "jXk");
    mark->trigger();
    qApp->removeEventFilter(&filter);
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
