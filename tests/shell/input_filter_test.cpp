#include "shell/input_filter.h"
#include "support/tutor_fixture.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QWidget>

namespace {

class InputFilterTest : public TutorTest {
protected:
    void SetUp() override
    {
        resources.strings.Set(0, "jj hh gg ff ff gg hh jj");
        tutor.course.nLesson = 2;
        tutor.course.nPage = 2;
        Start();
        window.resize(300, 200);
        edit = new QPlainTextEdit(&window);
        window.show();
        QApplication::setActiveWindow(&window);
        edit->setFocus();
        qApp->installEventFilter(&filter);
        ASSERT_EQ(QApplication::focusWidget(), edit);
    }
    void TearDown() override { qApp->removeEventFilter(&filter); }

    void Send(QEvent::Type type, int key, const QString& text, bool repeat = false, quint64 time = 0,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier, quint32 scanCode = 0)
    {
        QKeyEvent event(type, key, modifiers, scanCode ? scanCode : static_cast<quint32>(key & 0xFF) + 8, 0, 0,
                        text, repeat);
        event.setTimestamp(time ? time : ++clock);
        QApplication::sendEvent(edit, &event);
    }
    void Press(int key, const QString& text, bool repeat = false) { Send(QEvent::KeyPress, key, text, repeat); }
    void Release(int key, const QString& text = {}) { Send(QEvent::KeyRelease, key, text); }
    void Tap(int key, const QString& text)
    {
        Press(key, text);
        Release(key, text);
    }

    QWidget window;
    QPlainTextEdit* edit = nullptr;
    InputFilter filter{tutor, window, [] {}};
    quint64 clock = 1000;
    const CourseState& course = tutor.course;
};

TEST_F(InputFilterTest, ATypedCharacterIsCheckedAndShownInTheTypingArea)
{
    Tap(Qt::Key_J, "j");
    Tap(Qt::Key_X, "x");
    EXPECT_EQ(course.nKeystrokes, 2);
    EXPECT_EQ(course.nCorrect, 1);
    EXPECT_EQ(edit->toPlainText(), "jx");
    EXPECT_EQ(tutor.shell.bKeyLatch, 0);
    EXPECT_EQ(course.nWorkedLesson, 2);
}

TEST_F(InputFilterTest, AHeldKeyYieldsOneCharacter)
{
    Press(Qt::Key_J, "j");
    Press(Qt::Key_J, "j", true);
    Press(Qt::Key_J, "j", true);
    Send(QEvent::KeyRelease, Qt::Key_J, "j", true);
    EXPECT_EQ(edit->toPlainText(), "j");
    EXPECT_EQ(course.nKeystrokes, 1);
    EXPECT_EQ(tutor.shell.bKeyLatch, 1);
    Release(Qt::Key_J, "j");
    EXPECT_EQ(tutor.shell.bKeyLatch, 0);
}

TEST_F(InputFilterTest, AHeldKeyReportedAsReleaseAndPressWithOneTimeStampYieldsOneCharacter)
{
    Press(Qt::Key_J, "j");
    Send(QEvent::KeyRelease, Qt::Key_J, "j", false, 5000);
    Send(QEvent::KeyPress, Qt::Key_J, "j", false, 5000);
    Release(Qt::Key_J, "j");
    EXPECT_EQ(edit->toPlainText(), "j");
    EXPECT_EQ(course.nKeystrokes, 1);
    Tap(Qt::Key_J, "j");
    EXPECT_EQ(edit->toPlainText(), "jj") << "a real second press counts";
}

TEST_F(InputFilterTest, ACharacterTypedWhileTheLatchHoldsIsLost)
{
    Press(Qt::Key_J, "j");
    Press(Qt::Key_H, "h");
    Release(Qt::Key_H, "h");
    Release(Qt::Key_J, "j");
    EXPECT_EQ(edit->toPlainText(), "j");
    EXPECT_EQ(course.nKeystrokes, 1);
    EXPECT_EQ(host.beeps, 0);
}

TEST_F(InputFilterTest, IgnoredReleasesLeaveTheLatchHeld)
{
    struct Case {
        const char* what;
        int key;
        QString text;
        Qt::KeyboardModifiers modifiers;
        bool clears;
    };
    for (const Case& c : {Case{"Tab", Qt::Key_Tab, "\t", Qt::NoModifier, false},
                          Case{"Escape", Qt::Key_Escape, "\x1b", Qt::NoModifier, false},
                          Case{"keypad *", Qt::Key_Asterisk, "*", Qt::KeypadModifier, false},
                          Case{"keypad +", Qt::Key_Plus, "+", Qt::KeypadModifier, false},
                          Case{"F5", Qt::Key_F5, "", Qt::NoModifier, false},
                          Case{"Shift", Qt::Key_Shift, "", Qt::NoModifier, true},
                          Case{"main +", Qt::Key_Plus, "+", Qt::NoModifier, true},
                          Case{"Backspace", Qt::Key_Backspace, "\b", Qt::NoModifier, true}}) {
        tutor.shell.bKeyLatch = 1;
        Send(QEvent::KeyRelease, c.key, c.text, false, 0, c.modifiers);
        EXPECT_EQ(tutor.shell.bKeyLatch == 0, c.clears) << c.what;
    }
}

// A key that types a character ends the latch when it is let go, also where its release is
// on the ignore list, so the next key counts.
TEST_F(InputFilterTest, EveryKeyThatTypesACharacterLetsTheNextOneCount)
{
    struct Case {
        const char* what;
        int key;
        QString text;
        Qt::KeyboardModifiers modifiers;
        QString shown;
    };
    for (const Case& c : {Case{"Tab", Qt::Key_Tab, "\t", Qt::NoModifier, "\t"},
                          Case{"Shift+Tab", Qt::Key_Backtab, "", Qt::ShiftModifier, "\t"},
                          Case{"Escape", Qt::Key_Escape, "\x1b", Qt::NoModifier, ""},
                          Case{"keypad *", Qt::Key_Asterisk, "*", Qt::KeypadModifier, "*"},
                          Case{"keypad +", Qt::Key_Plus, "+", Qt::KeypadModifier, "+"},
                          Case{"keypad decimal", Qt::Key_Comma, ",", Qt::KeypadModifier, ","}}) {
        edit->clear();
        const int typed = course.nKeystrokes;
        Send(QEvent::KeyPress, c.key, c.text, false, 0, c.modifiers);
        Send(QEvent::KeyRelease, c.key, c.text, false, 0, c.modifiers);
        EXPECT_EQ(tutor.shell.bKeyLatch, 0) << c.what;
        Tap(Qt::Key_J, "j");
        EXPECT_EQ(course.nKeystrokes, typed + 2) << c.what;
        EXPECT_EQ(edit->toPlainText(), c.shown + "j") << c.what;
    }
}

// Delete types nothing; Ctrl+Backspace, which X gives the text of Delete, is a Backspace.
TEST_F(InputFilterTest, DeleteTypesNothingAndCtrlBackspaceIsABackspace)
{
    Tap(Qt::Key_J, "j");
    Tap(Qt::Key_J, "j");
    Send(QEvent::KeyPress, Qt::Key_Delete, "\x7f");
    EXPECT_EQ(tutor.shell.bKeyLatch, 0);
    Send(QEvent::KeyRelease, Qt::Key_Delete, "\x7f");
    EXPECT_EQ(course.nKeystrokes, 2);
    EXPECT_EQ(course.nCharPos, 2);
    Send(QEvent::KeyPress, Qt::Key_Backspace, "\x7f", false, 0, Qt::ControlModifier);
    Send(QEvent::KeyRelease, Qt::Key_Backspace, "\x7f", false, 0, Qt::ControlModifier);
    EXPECT_EQ(course.nCharPos, 1);
    EXPECT_EQ(edit->toPlainText(), "j") << "one character taken back, not the word";
    Tap(Qt::Key_J, "j");
    EXPECT_EQ(course.nCharPos, 2);
}

// An input method committing several characters at once gives the first only.
TEST_F(InputFilterTest, ACommitOfSeveralCharactersGivesTheFirst)
{
    QInputMethodEvent commit;
    commit.setCommitString("ja");
    QApplication::sendEvent(edit, &commit);
    Release(Qt::Key_A, "a");
    EXPECT_EQ(course.nKeystrokes, 1);
    EXPECT_EQ(edit->toPlainText(), "j");
}

TEST_F(InputFilterTest, ArrowKeysTurnPagesAndNeverReachTheTypingArea)
{
    edit->setPlainText("ab\ncd");
    edit->moveCursor(QTextCursor::End);
    const int position = edit->textCursor().position();
    Press(Qt::Key_Down, "");
    EXPECT_EQ(course.nPage, 3);
    Release(Qt::Key_Down);
    Press(Qt::Key_Up, "");
    EXPECT_EQ(course.nPage, 2);
    Release(Qt::Key_Up);
    EXPECT_EQ(edit->textCursor().position(), position);
}

TEST_F(InputFilterTest, UmlautsArriveAsTheirCodePageBytes)
{
    resources.strings.Set(0, "\xE4\xF6\xFC\xDF");
    Paint();
    Tap(Qt::Key_Adiaeresis, QString::fromUtf8("ä"));
    QInputMethodEvent compose;
    compose.setCommitString(QString::fromUtf8("ö"));
    QApplication::sendEvent(edit, &compose);
    Release(Qt::Key_O, "o");
    Tap(Qt::Key_Udiaeresis, QString::fromUtf8("ü"));
    Tap(Qt::Key_ssharp, QString::fromUtf8("ß"));
    EXPECT_EQ(course.nCorrect, 4);
    EXPECT_EQ(edit->toPlainText(), QString::fromUtf8("äöüß"));
}

TEST_F(InputFilterTest, AComposedCharacterWhileTheLatchHoldsIsLost)
{
    Press(Qt::Key_J, "j");
    QInputMethodEvent compose;
    compose.setCommitString(QString::fromUtf8("ö"));
    QApplication::sendEvent(edit, &compose);
    Release(Qt::Key_J, "j");
    EXPECT_EQ(edit->toPlainText(), "j");
    EXPECT_EQ(course.nKeystrokes, 1);
}

// A key the window system sends to the main window while a menu is open is the menu's.
TEST_F(InputFilterTest, KeysWhileAMenuIsOpenAreLeftAlone)
{
    QMenu menu;
    menu.addAction("Neu...");
    menu.popup(QPoint(0, 0));
    ASSERT_EQ(QApplication::activePopupWidget(), &menu);
    Tap(Qt::Key_J, "j");
    menu.close();
    EXPECT_EQ(course.nKeystrokes, 0);
    EXPECT_EQ(tutor.shell.bKeyLatch, 0);
}

TEST_F(InputFilterTest, KeysOfOtherWindowsAreLeftAlone)
{
    QWidget other;
    auto* field = new QPlainTextEdit(&other);
    other.show();
    QApplication::setActiveWindow(&other);
    field->setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(field, &press);
    EXPECT_EQ(course.nPage, 2);
}

}  // namespace
