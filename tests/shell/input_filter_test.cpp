#include "shell/input_filter.h"
#include "shell/typing_area.h"
#include "support/tutor_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

namespace {

constexpr auto kCtrl = Qt::ControlModifier;

class InputFilterTest : public TutorTest {
protected:
    void SetUp() override
    {
        resources.strings.Set(0, "jj\xE4\xF6\xFC\xDF hh gg");
        tutor.course.nLesson = 2;
        tutor.course.nPage = 2;
        Start();
        edit = new TypingArea(&window);
        window.show();
        QApplication::setActiveWindow(&window);
        edit->setFocus();
        qApp->installEventFilter(&filter);
    }
    void TearDown() override { qApp->removeEventFilter(&filter); }

    void Send(QEvent::Type type, int key, const QString& text, bool repeat = false, quint64 time = 0,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier, QObject* to = nullptr)
    {
        QKeyEvent event(type, key, modifiers, static_cast<quint32>(key & 0xFF) + 8, 0, 0, text, repeat);
        event.setTimestamp(time ? time : ++clock);
        QApplication::sendEvent(to ? to : edit, &event);
    }
    void Press(int key, const QString& text, bool repeat = false) { Send(QEvent::KeyPress, key, text, repeat); }
    void Release(int key, const QString& text = {}) { Send(QEvent::KeyRelease, key, text); }
    void Tap(int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Send(QEvent::KeyPress, key, text, false, 0, modifiers);
        Send(QEvent::KeyRelease, key, text, false, 0, modifiers);
    }
    void Commit(const char* utf8)
    {
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromUtf8(utf8));
        QApplication::sendEvent(edit, &commit);
    }
    // The typing area's text, the keystrokes and right ones counted, the caret's place, the page.
    std::string Outcome() const
    {
        return edit->toPlainText().toStdString() + " " + std::to_string(course.nKeystrokes) + " " +
               std::to_string(course.nCorrect) + " " + std::to_string(course.nCharPos) + " " +
               std::to_string(course.nLesson) + "/" + std::to_string(course.nPage);
    }

    QWidget window;
    TypingArea* edit = nullptr;
    InputFilter filter{tutor, window, [](const TypedKey*) {}};
    quint64 clock = 1000;
    const CourseState& course = tutor.course;
};

// Each key press gives at most one character, in the exercise ("jjäöüß hh gg") and in the
// typing area alike; the release of a key on the ignore list leaves the latch held, but not
// that of the key that typed. Keys with Ctrl are the typing area's; keys while a menu is
// open, and keys of other windows, are theirs.
TEST_F(InputFilterTest, EachKeyPressGivesAtMostOneCharacter)
{
    const std::vector<std::pair<std::function<void()>, std::string>> cases{
        {[&] { Tap(Qt::Key_J, "j"); Tap(Qt::Key_J, "j"); Tap(Qt::Key_Adiaeresis, "ä"); Commit("ö");
               Release(Qt::Key_O); Tap(Qt::Key_Udiaeresis, "ü"); Tap(Qt::Key_ssharp, "ß"); }, "jjäöüß 6 6 6 2/2"},
        {[&] { Press(Qt::Key_J, "j"); Press(Qt::Key_J, "j", true); Send(QEvent::KeyRelease, Qt::Key_J, "j", true);
               Release(Qt::Key_J); }, "j 1 1 1 2/2"},
        {[&] { Press(Qt::Key_J, "j"); Send(QEvent::KeyRelease, Qt::Key_J, "j", false, 5000);   // held: X tells it
               Send(QEvent::KeyPress, Qt::Key_J, "j", false, 5000); Release(Qt::Key_J); Tap(Qt::Key_J, "j"); },
         "jj 2 2 2 2/2"},   // as let go and pressed at one time
        {[&] { Press(Qt::Key_J, "j"); Commit("ö"); Tap(Qt::Key_H, "h"); Release(Qt::Key_J); }, "j 1 1 1 2/2"},
        {[&] { Commit("ja"); Release(Qt::Key_A); }, "j 1 1 1 2/2"},
        {[&] { Tap(Qt::Key_J, "j"); Tap(Qt::Key_J, "j"); Tap(Qt::Key_Delete, "\x7f");
               Tap(Qt::Key_Backspace, "\x7f", kCtrl); }, "j 2 2 1 2/2"},   // Ctrl+Backspace, Delete's text in X
        {[&] { Tap(Qt::Key_J, "j"); Tap(Qt::Key_A, "\x01", kCtrl); Tap(Qt::Key_C, "\x03", kCtrl);
               Tap(Qt::Key_Right, ""); Tap(Qt::Key_V, "\x16", kCtrl); }, "jj 1 1 1 2/2"},
        {[&] { Tap(Qt::Key_At, "@", kCtrl | Qt::AltModifier); }, "@ 1 0 1 2/2"},   // AltGr
        {[&] { Press(Qt::Key_J, "j"); Release(Qt::Key_Tab); Release(Qt::Key_Escape); Release(Qt::Key_F5);   // ignored
               Send(QEvent::KeyRelease, Qt::Key_Asterisk, "*", false, 0, Qt::KeypadModifier); Tap(Qt::Key_H, "h"); },
         "j 1 1 1 2/2"},
        {[&] { Press(Qt::Key_J, "j"); Release(Qt::Key_Shift); Tap(Qt::Key_J, "j"); }, "jj 2 2 2 2/2"},
        {[&] { Tap(Qt::Key_Tab, "\t"); Tap(Qt::Key_Backtab, "", Qt::ShiftModifier); Tap(Qt::Key_Escape, "\x1b");
               Tap(Qt::Key_Asterisk, "*", Qt::KeypadModifier); Tap(Qt::Key_J, "j"); },   // released, each one
         "\t\t*j 5 0 5 2/2"},                                                              // ends the latch it set
        {[&] { Tap(Qt::Key_Down, ""); Tap(Qt::Key_Up, ""); Tap(Qt::Key_Down, ""); }, " 0 0 0 2/3"},
        {[&] { QMenu menu; menu.addAction("Neu..."); menu.popup({0, 0}); Tap(Qt::Key_J, "j"); }, "j 0 0 0 2/2"},
        {[&] { QWidget other; auto* field = new QPlainTextEdit(&other); other.show();
               QApplication::setActiveWindow(&other); field->setFocus();
               Send(QEvent::KeyPress, Qt::Key_Down, "", false, 0, {}, field); }, " 0 0 0 2/2"},
    };
    for (const auto& [keys, outcome] : cases) {
        edit->clear();
        tutor.course.nCharPos = tutor.course.nKeystrokes = tutor.course.nCorrect = 0;
        tutor.course.nPage = 2;
        Paint();
        keys();
        EXPECT_EQ(Outcome(), outcome);
        EXPECT_FALSE(filter.Latched()) << outcome;
    }
}

// A box opened by a key takes that key's release; once it is closed, the next key counts,
// and the keyboard is the main window's again, also without a window manager. A key let go
// while another window has the keyboard does not keep the next one either.
TEST_F(InputFilterTest, AfterABoxTheMainWindowHasTheKeyboardAndTheNextKeyCounts)
{
    Press(Qt::Key_J, "j");
    QDialog box(&window);
    QTimer::singleShot(0, &box, [&] {
        Send(QEvent::KeyRelease, Qt::Key_J, "j", false, 0, Qt::NoModifier, &box);
        box.accept();
    });
    box.exec();
    for (int i = 0; i < 20 && QApplication::activeWindow() != &window; ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(QApplication::focusWidget(), edit);
    Tap(Qt::Key_J, "j");
    EXPECT_EQ(Outcome(), "jj 2 2 2 2/2");
    Press(Qt::Key_Adiaeresis, QString::fromUtf8("ä"));   // let go in another window: the next key counts too
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&window, &deactivate);
    Tap(Qt::Key_Odiaeresis, QString::fromUtf8("ö"));
    EXPECT_EQ(Outcome(), "jjäö 4 4 4 2/2");
    QApplication::clipboard()->setText(QString());
    EXPECT_FALSE(edit->canPaste()) << "an empty clipboard";
}

// What the program typed by itself (the demonstration) is taken back whole, and no more.
TEST_F(InputFilterTest, TheProgramsOwnTypingIsTakenBack)
{
    Tap(Qt::Key_J, "j");
    for (char c : std::string("D\xFC\r"))
        edit->TypeByItself(static_cast<unsigned char>(c));
    EXPECT_EQ(edit->toPlainText(), QString::fromUtf8("jDü\n"));
    edit->TakeBackOwnTyping();
    EXPECT_EQ(edit->toPlainText(), "j");
}

}  // namespace
