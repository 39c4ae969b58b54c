#include "dialogs/lesson_dialogs.h"
#include "dialogs/notices.h"
#include "dialogs/save_session_dialog.h"
#include "dialogs/settings_sheet.h"
#include "dialogs/template_dialog.h"
#include "support/tutor_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

// What a modal dialog showed: its title, texts, texts that do not fit their place, whether
// Escape closed it, and whether it has the dialog font, stands in the middle of the screen
// (give or take its frame) and has a close box but no minimise or maximise box.
struct Seen {
    QString title;
    QStringList texts, clipped;
    bool escapeCloses = false;
    bool looksRight = false;
};

// Runs `open`, which shows modal dialogs one after another; each is recorded, and the items
// of `press` are pressed in turn: "Esc" or a button's id. `act` first works in each dialog.
std::vector<Seen> Inspect(const std::function<void()>& open, QStringList press,
                          const std::function<void(QDialog&)>& act = {})
{
    std::vector<Seen> seen;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        if (++ticks > 500)   // never waits for ever
            return dialog->done(0);
        if (!dialog->property("seen").toBool()) {
            dialog->setProperty("seen", true);
            if (act)
                act(*dialog);
            const QPoint off = dialog->frameGeometry().center() - dialog->screen()->geometry().center();
            const auto boxes = dialog->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint);
            seen.push_back({dialog->windowTitle(), {}, {}, false, dialog->font() == dialogs::DialogFont() &&
                                                                     off.manhattanLength() <= 8 && boxes == Qt::WindowCloseButtonHint});
            for (const QLabel* label : dialog->findChildren<QLabel*>()) {
                seen.back().texts << label->text();
                if (label->fontMetrics().boundingRect(label->rect(), Qt::TextWordWrap, label->text()).height() > label->height())
                    seen.back().clipped << label->text();
            }
        }
        const QString next = press.isEmpty() ? QString() : press.takeFirst();
        if (next == "Esc") {
            QTest::keyClick(dialog, Qt::Key_Escape);
            seen.back().escapeCloses = !dialog->isVisible();
        } else if (auto* button = next.isEmpty() ? nullptr : dialog->findChild<QAbstractButton*>(next)) {
            button->click();
        }
    });
    timer.start(10);
    open();
    return seen;
}

class DialogsTest : public TutorTest {
protected:
    void SetUp() override { Start(); }
};

// Each dialog shows its texts wholly; Escape closes Geh Zu Übung, the save question and the
// contents, not the notices. The contents follow the hand; Weiter and Zurück turn the page.
TEST_F(DialogsTest, EachDialogShowsItsTexts)
{
    tutor.course.nKeystrokes = 70;
    tutor.course.nCorrect = 67;
    const auto ask = [](const char* fileName) { return [fileName] { SaveSessionDialog(fileName, nullptr).exec(); }; };
    const auto notice = [](Notice shown) { return [shown] { dialogs::ShowNotice(shown, nullptr); }; };
    const auto contents = [this](bool left) { return [this, left] { tutor.course.bLeftHand = left; dialogs::ShowContents(tutor, nullptr); }; };
    struct Case {
        std::function<void()> open;
        const char* title;
        QStringList texts;   // some of its texts
        bool escapeCloses;
    };
    for (const Case& c : std::vector<Case>{
             {notice(Notice::EndOfCourse), "Das Ende", {"Herzlichen Glückwunsch. Sie haben das Ziel von Tastora erreicht."}, false},
             {notice(Notice::WindowTooSmall), "Bildschirmfenster nicht groß genug", {"Vergrößern Sie das Bildschirmfenster zuerst."}, false},
             {notice(Notice::DictationWhileErrorTones), "Achtung...", {"Sie haben 'Tasten ansagen' aus dem Tonstudio"}, false},
             {notice(Notice::ErrorTonesWhileDictation), "Achtung...", {"ist die Funktion 'Tasten ansagen' bereits eingerichtet."}, false},
             {[] { dialogs::ShowAbout(nullptr); }, "Info über Tastora", {"Ein Lehrgang um das Ein-Händige Blindschreiben zu erlernen"}, false},
             {[this] { dialogs::ShowStatistics(tutor, nullptr); }, "Erfolgskontrolle",
              {"Dieses Mal betrug die Anzahl der geleisteten Eingaben: 70", "und davon inkorrekte Eingaben: 3",
               "Dies ergibt eine Genauigkeitsrate von: 95%"}, false},
             {[this] { dialogs::ShowGoTo(tutor, nullptr); }, "Geh Zu Übung ...", {"Welche Übung möchten Sie?"}, true},
             {ask(""), "Übung speichern?", {"Leistungen sichern in 'Unbenannt'?"}, true},
             {ask("Übung-日本.klv"), "Übung speichern?", {"Leistungen sichern in 'Übung-日本.klv'?"}, true},
             {contents(true), "Inhaltsverzeichnis - Linke Hand",
              {"Seite 1", "2. Die Grundstellung - j h g f", "Seite 2", "13. Neue Buchstaben - T Z", "23. Zahlen-Eingabe"}, true},
             {contents(false), "Inhaltsverzeichnis - Rechte Hand", {"2. Die Grundstellung - f g h j", "13. Neue Buchstaben - T B"}, true},
         }) {
        // The contents: Weiter, Zurück, then Escape; the others: Escape, then OK if still open.
        const bool pages = QString(c.title).startsWith("Inhalt");
        const std::vector<Seen> seen = Inspect(c.open, pages ? QStringList{"4", "4", "Esc"} : QStringList{"Esc", "1"});
        ASSERT_EQ(seen.size(), pages ? 3u : 1u) << c.title;
        QStringList texts;
        for (const Seen& dialog : seen) {
            EXPECT_EQ(dialog.title, c.title);
            EXPECT_EQ(dialog.clipped, QStringList()) << c.title;
            EXPECT_TRUE(dialog.looksRight) << c.title;
            texts += dialog.texts;
        }
        for (const QString& text : c.texts)
            EXPECT_TRUE(texts.contains(text)) << (text + " in " + texts.join(" | ")).toStdString();
        EXPECT_EQ(seen.back().escapeCloses, c.escapeCloses) << c.title;
    }
}

// Alt+J and Alt+N answer the save question.
TEST_F(DialogsTest, TheSaveQuestionsMnemonics)
{
    for (const auto& [key, answer] : {std::pair{Qt::Key_J, SaveAnswer::Yes}, std::pair{Qt::Key_N, SaveAnswer::No}}) {
        SaveAnswer answered{};
        Inspect([&] { SaveSessionDialog dialog("kurs.klv", nullptr); dialog.exec(); answered = dialog.Answer(); }, {},
                [key = key](QDialog& dialog) {
                    dialog.activateWindow();   // as the window system does
                    if (QTest::qWaitForWindowActive(&dialog))
                        QTest::keyClick(&dialog, key, Qt::AltModifier);
                });
        EXPECT_EQ(answered, answer) << key;
    }
}

// A new error sound plays as a preview and waits for OK; Übernehmen applies and is disabled
// again; a refused page keeps the sheet open on it, the others applied; Enter is OK.
TEST_F(DialogsTest, TheSettingsSheet)
{
    resources.strings = Resources::BuiltIn().strings;
    resources.namedRecordings = true;
    tutor.course.nErrorTone = 1000;
    dialogs::SettingsSheet sheet(tutor, nullptr);
    sheet.show();
    const auto click = [&sheet](int page, int id) {
        sheet.Pages().setCurrentIndex(page);
        sheet.Pages().widget(page)->findChild<QAbstractButton*>(QString::number(id))->click();
    };
    click(2, 1003);
    click(2, 1003);
    EXPECT_EQ(host.played, (std::vector<FakeHost::Played>{{"AUTSCH", false}})) << "Autsch, once";
    EXPECT_FALSE(sheet.ApplyButton().isEnabled()) << "a new error sound alone";
    click(0, 1001);
    sheet.ApplyButton().click();
    EXPECT_EQ(tutor.course.nErrorTone, 1003);
    EXPECT_FALSE(sheet.ApplyButton().isEnabled()) << "nothing left to apply";

    click(1, 1009);   // Tasten ansagen, while error tones are on
    click(0, 1000);
    QTest::keyClick(&sheet, Qt::Key_Return);
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(sheet.Pages().currentIndex(), 1);
    EXPECT_EQ(tutor.course.nSoundStudio, kSoundOff);
    EXPECT_EQ(tutor.course.nFontSize, 1000) << "the font page is applied";

    click(1, 1009);   // sounds off
    click(0, 1002);   // too big for the window
    click(2, 1009);   // error tones off
    sheet.ApplyButton().click();
    EXPECT_EQ(sheet.Pages().currentIndex(), 0);
    EXPECT_TRUE(sheet.ApplyButton().isEnabled()) << "the font size is not applied";
    EXPECT_EQ(tutor.course.nErrorTone, 0) << "a later page is applied";
    EXPECT_EQ(host.notices, (std::vector<Notice>{Notice::DictationWhileErrorTones, Notice::WindowTooSmall}));
    click(0, 1001);
    QTest::keyClick(&sheet, Qt::Key_Return);
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_EQ(tutor.course.nFontSize, 1001);
}

// Without a mouse: the sheet starts on the size in use, and an arrow key chooses another.
TEST_F(DialogsTest, TheSettingsSheetByKeys)
{
    dialogs::SettingsSheet sheet(tutor, nullptr);
    sheet.show();
    sheet.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet));
    auto* chosen = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->text(), "Standard Größe");
    QTest::keyClick(chosen, Qt::Key_Up);
    chosen = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
    EXPECT_EQ(chosen->text(), "Mittlere Größe");
    EXPECT_TRUE(chosen->isChecked());
    QTest::keyClick(&sheet, Qt::Key_Return);
    EXPECT_EQ(tutor.course.nFontSize, 1001);
}

}  // namespace
