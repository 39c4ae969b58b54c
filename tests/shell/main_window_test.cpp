#include "display/key_table.h"
#include "shell/main_window.h"
#include "shell/menu.h"
#include "shell/qt_host.h"
#include "support/tutor_fixture.h"
#include "tutor.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>


namespace {

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<MainWindow>(tutor);
        host.Attach(window.get());
        ASSERT_TRUE(window->Create());
        window->resize(700, 480);
        window->show();
        window->grab();
    }
    Resources resources;
    QtHost host{resources};
    Tutor tutor{host, resources};
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, MenuBarInGerman)
{
    const QList<QAction*> popups = window->menuBar()->actions();
    ASSERT_EQ(popups.size(), 3);
    EXPECT_EQ(popups[0]->text(), "&Datei");
    EXPECT_EQ(popups[1]->text(), "&Bearbeiten");
    EXPECT_EQ(popups[2]->text(), "&Lehrgang");
    EXPECT_TRUE(window->Action(menu::kLeftHand)->isChecked());
    EXPECT_FALSE(window->Action(menu::kRightHand)->isChecked());
    EXPECT_EQ(window->windowTitle(), "Tastora");
}

TEST_F(MainWindowTest, ChoosingTheOtherHandMovesTheCheckMarkAndTheSameHandDoesNothing)
{
    window->OnCommand(menu::kLeftHand);
    EXPECT_EQ(tutor.course.bLeftHand, 1);
    EXPECT_TRUE(window->Action(menu::kLeftHand)->isChecked());
    window->OnCommand(menu::kRightHand);
    EXPECT_EQ(tutor.course.bLeftHand, 0);
    EXPECT_FALSE(window->Action(menu::kLeftHand)->isChecked());
    EXPECT_TRUE(window->Action(menu::kRightHand)->isChecked());
    EXPECT_EQ(tutor.display.rcHome, (Rect{73, 53, 213, 128}));
    EXPECT_EQ(tutor.course.nWorkedLesson, 0) << "a hand switch is no work on the session";
}

TEST_F(MainWindowTest, StartLesson1GoesToTheRulesPage)
{
    tutor.course.nLesson = 9;
    tutor.course.nPage = 2;
    window->OnCommand(menu::kStartLesson1);
    EXPECT_EQ(tutor.course.nLesson, 0);
    EXPECT_EQ(tutor.course.nPage, 2);
}

TEST_F(MainWindowTest, TheTypingAreaSitsAtTheBottomWithItsFont)
{
    const QRect area = window->TypingArea().geometry();
    EXPECT_EQ(area.left(), 40);
    EXPECT_EQ(area.right() + 1, tutor.ClientWidth() - 40);
    EXPECT_EQ(area.bottom() + 1, tutor.ClientHeight() - 13);
    EXPECT_EQ(QFontMetrics(window->TypingArea().font()).height(), 20);
    EXPECT_EQ(window->minimumSize() + (window->frameGeometry().size() - window->geometry().size()), QSize(630, 460));
}

TEST_F(MainWindowTest, EditCommandsWorkOnTheTypingArea)
{
    QPlainTextEdit& edit = window->TypingArea();
    edit.setPlainText("jj hh");
    edit.selectAll();
    window->OnCommand(menu::kCopy);
    window->OnCommand(menu::kClear);
    EXPECT_EQ(edit.toPlainText(), "");
    window->OnCommand(menu::kPaste);
    window->OnCommand(menu::kPaste);
    EXPECT_EQ(edit.toPlainText(), "jj hhjj hh");
}

}  // namespace

namespace {

class MissingPictureTest : public TutorTest {};

TEST_F(MissingPictureTest, AMissingPictureEndsTheProgramWithTheFatalMessage)
{
    resources.missing = {"lhome.png"};
    MainWindow window(tutor);
    EXPECT_FALSE(window.Create());
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text, "Can't load hand graphic lhome");
    EXPECT_EQ(host.messages[0].title, "CreateHandGraphics");
    EXPECT_FALSE(host.messages[0].owned);
    EXPECT_EQ(host.messages[1].text, "Unfortunately, due to the reported errors the application must terminate.");
    EXPECT_EQ(host.messages[1].title, "FATAL ERROR");
}

TEST_F(MissingPictureTest, AHandWithoutItsPicturesEndsTheProgramWithTheFatalMessage)
{
    resources.missing = {"rhome.png"};
    MainWindow window(tutor);
    ASSERT_TRUE(window.Create());
    QTimer::singleShot(0, &window, [&window] { window.OnCommand(menu::kRightHand); });
    QTimer::singleShot(10000, &window, [] { QCoreApplication::exit(99); });   // never waits for ever
    EXPECT_EQ(QCoreApplication::exec(), 1);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].text, "Can't load hand graphic rhome");
    EXPECT_EQ(host.messages[1].title, "FATAL ERROR");
}

}  // namespace

namespace {

TEST_F(MainWindowTest, ALargerFontGrowsTheWindowToItsSmallestSize)
{
    tutor.course.nFontSize = 1002;
    window->SetFontForSize();
    window->grab();
    EXPECT_EQ(tutor.layout.cyLine, 30);
    EXPECT_EQ(QFontMetrics(window->TypingArea().font()).height(), 30);
    EXPECT_GE(window->frameGeometry().width(), 790);
    EXPECT_GE(window->frameGeometry().height(), 550);
}

}  // namespace

namespace {

TEST(MainWindowCaption, ASessionOfTheRightHandNamesItsFileAndChecksRechteHand)
{
    Resources resources;
    QtHost host(resources);
    Tutor tutor(host, resources);
    tutor.shell.szFileName = "/tmp/Упражнение-日本.klv";
    tutor.shell.szTitleName = "Упражнение-日本.klv";
    tutor.course.bLeftHand = 0;
    MainWindow window(tutor);
    host.Attach(&window);
    ASSERT_TRUE(window.Create());
    EXPECT_EQ(window.windowTitle(), "Tastora -- Упражнение-日本.klv");
    EXPECT_FALSE(window.Action(menu::kLeftHand)->isChecked());
    EXPECT_TRUE(window.Action(menu::kRightHand)->isChecked());
    EXPECT_EQ(tutor.display.rcHome, (Rect{73, 53, 213, 128}));
}

TEST(QtHostMessage, TheBoxShowsTheTextWithTheFileNameAsTheSystemSpellsIt)
{
    struct Case {
        std::string text;       // code page 1252
        std::string fileName;   // as the file system holds it
        QString shown;
    };
    const Resources resources;
    QtHost host(resources);
    for (const Case& c : {Case{"Unable to open, or read, the file '%s'.", "Übung-日本.klv",
                               "Unable to open, or read, the file 'Übung-日本.klv'."},
                          Case{"Unable to open, or write to, the file '%s'.", "Задание.klv",
                               "Unable to open, or write to, the file 'Задание.klv'."},
                          Case{"Gr\xF6\xDF" "e '%s'", "100%s.klv", "Größe '100%s.klv'"},
                          Case{"Gr\xF6\xDF" "e \x80", "", "Größe €"},
                          Case{"'%s'", "<b>fett</b>.klv", "'<b>fett</b>.klv'"}}) {
        QString shown = "(no box)", title;
        Qt::TextFormat format = Qt::AutoText;
        // Reads and closes the box once its loop runs, or gives up after a while.
        QTimer reader;
        int ticks = 0;
        QObject::connect(&reader, &QTimer::timeout, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(widget); box && (box->isVisible() || ticks > 500)) {
                    shown = box->text();
                    title = box->windowTitle();
                    format = box->textFormat();
                    box->reject();
                }
            ++ticks;
        });
        reader.start(10);
        host.ShowMessage(c.text, "READ FILE ERROR", BoxIcon::Exclamation, false, c.fileName);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(title, "READ FILE ERROR");
        EXPECT_EQ(format, Qt::PlainText) << "a name is shown as it is, never as markup";
    }
}

}  // namespace
