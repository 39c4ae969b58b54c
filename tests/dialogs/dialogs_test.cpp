#include "dialogs/lesson_dialogs.h"
#include "dialogs/notices.h"
#include "dialogs/settings_sheet.h"
#include "support/tutor_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// What a modal dialog showed: its title, its texts, the texts that do not fit their place,
// and whether Escape closed it.
struct Seen {
    QString title;
    QStringList texts;
    QStringList clipped;
    bool escapeCloses = false;
};

// Runs `open`, which shows modal dialogs one after another; each is recorded, tried with
// Escape and, where that left it open, closed with the button of the next id in `press`.
std::vector<Seen> Inspect(const std::function<void()>& open, std::vector<const char*> press, bool tryEscape = true,
                          const std::function<void(QDialog&)>& onShow = {})
{
    std::vector<Seen> seen;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (++ticks > 500 && dialog) {   // never waits for ever
            dialog->done(0);
            return;
        }
        if (!dialog || !dialog->isVisible())
            return;
        if (!dialog->property("inspected").toBool()) {
            dialog->setProperty("inspected", true);
            if (onShow)
                onShow(*dialog);
            Seen s{dialog->windowTitle(), {}, {}, false};
            for (const QLabel* label : dialog->findChildren<QLabel*>()) {
                s.texts << label->text();
                const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 10000),
                                                                       Qt::TextWordWrap, label->text());
                if (needed.height() > label->height() || needed.width() > label->width())
                    s.clipped << label->text() + QString(" (%1x%2 in %3x%4)").arg(needed.width()).arg(needed.height()).arg(label->width()).arg(label->height());
            }
            seen.push_back(s);
            if (tryEscape) {
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(dialog, &escape);
                seen.back().escapeCloses = !dialog->isVisible();
                if (seen.back().escapeCloses)
                    return;
            }
        }
        if (!press.empty()) {
            if (auto* button = dialog->findChild<QAbstractButton*>(press.front())) {
                press.erase(press.begin());
                button->click();
            }
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

TEST_F(DialogsTest, TheNoticesAndInfoShowTheirTextsWhollyAndOnlyOkClosesThem)
{
    struct Case {
        std::function<void()> open;
        const char* title;
        const char* text;   // one of its texts
    };
    for (const Case& c : std::vector<Case>{
             {[] { dialogs::ShowNotice(Notice::EndOfCourse, nullptr); }, "Das Ende",
              "Herzlichen Glückwunsch. Sie haben das Ziel von Tastora erreicht."},
             {[] { dialogs::ShowNotice(Notice::WindowTooSmall, nullptr); }, "Bildschirmfenster nicht groß genug",
              "Vergrößern Sie das Bildschirmfenster zuerst."},
             {[] { dialogs::ShowNotice(Notice::DictationWhileErrorTones, nullptr); }, "Achtung...",
              "Sie haben 'Tasten ansagen' aus dem Tonstudio"},
             {[] { dialogs::ShowNotice(Notice::ErrorTonesWhileDictation, nullptr); }, "Achtung...",
              "ist die Funktion 'Tasten ansagen' bereits eingerichtet."},
             {[] { dialogs::ShowAbout(nullptr); }, "Info über Tastora",
              "Ein Lehrgang um das Ein-Händige Blindschreiben zu erlernen"},
             {[this] { dialogs::ShowStatistics(tutor, nullptr); }, "Erfolgskontrolle",
              "Dieses Mal betrug die Anzahl der geleisteten Eingaben: 0"},
         }) {
        const std::vector<Seen> seen = Inspect(c.open, {"1"});
        ASSERT_EQ(seen.size(), 1u) << c.title;
        EXPECT_EQ(seen[0].title, c.title);
        EXPECT_TRUE(seen[0].texts.contains(c.text)) << c.title << ": " << seen[0].texts.join(" | ").toStdString();
        EXPECT_TRUE(seen[0].clipped.isEmpty()) << c.title << ": " << seen[0].clipped.join(" | ").toStdString();
        EXPECT_FALSE(seen[0].escapeCloses) << c.title;
    }
}

TEST_F(DialogsTest, StatisticsShowTheCountsAndTheAccuracy)
{
    tutor.course.nKeystrokes = 7;
    tutor.course.nCorrect = 5;
    const std::vector<Seen> seen = Inspect([this] { dialogs::ShowStatistics(tutor, nullptr); }, {"1"});
    ASSERT_EQ(seen.size(), 1u);
    for (const char* line : {"Dieses Mal betrug die Anzahl der geleisteten Eingaben: 7",
                             "und davon inkorrekte Eingaben: 2", "Dies ergibt eine Genauigkeitsrate von: 71%"})
        EXPECT_TRUE(seen[0].texts.contains(line)) << line;
}

// The contents follow the hand chosen: Weiter and Zurück move between its two pages.
TEST_F(DialogsTest, ContentsPagesOfTheChosenHand)
{
    for (bool left : {true, false}) {
        tutor.course.bLeftHand = left;
        const std::vector<Seen> seen = Inspect([this] { dialogs::ShowContents(tutor, nullptr); }, {"4", "4", "1"}, false);
        ASSERT_EQ(seen.size(), 3u);
        const QString title = left ? "Inhaltsverzeichnis - Linke Hand" : "Inhaltsverzeichnis - Rechte Hand";
        for (const Seen& page : seen) {
            EXPECT_EQ(page.title, title);
            EXPECT_TRUE(page.clipped.isEmpty()) << page.clipped.join(" | ").toStdString();
        }
        EXPECT_TRUE(seen[0].texts.contains(left ? "2. Die Grundstellung - j h g f" : "2. Die Grundstellung - f g h j"));
        EXPECT_TRUE(seen[1].texts.contains(left ? "13. Neue Buchstaben - T Z" : "13. Neue Buchstaben - T B"));
        EXPECT_TRUE(seen[2].texts.contains("Seite 1")) << "Zurück goes back";
        EXPECT_EQ(seen[1].texts.filter(QRegularExpression("^\\d+\\. ")).size(), 11);
    }
    tutor.course.bLeftHand = true;
    EXPECT_TRUE(Inspect([this] { dialogs::ShowContents(tutor, nullptr); }, {})[0].escapeCloses);
}

// Geh Zu Übung opens with the lesson selected, so a digit replaces it; Escape is Abbruch.
TEST_F(DialogsTest, GoToOpensWithTheLessonSelected)
{
    tutor.course.nLesson = 5;
    tutor.course.nPage = 2;
    bool selected = false;
    const std::vector<Seen> seen = Inspect([this] { dialogs::ShowGoTo(tutor, nullptr); }, {"1"}, false, [&](QDialog& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>("3001");
        selected = edit->selectedText() == "5";
        QKeyEvent two(QEvent::KeyPress, Qt::Key_2, Qt::NoModifier, "2");
        QApplication::sendEvent(edit, &two);
    });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, "Geh Zu Übung ...");
    EXPECT_TRUE(seen[0].texts.contains("Welche Übung möchten Sie?"));
    EXPECT_TRUE(seen[0].clipped.isEmpty()) << seen[0].clipped.join(" | ").toStdString();
    EXPECT_TRUE(selected);
    EXPECT_EQ(tutor.course.nLesson, 2);
    EXPECT_EQ(tutor.course.nPage, 2);
    EXPECT_TRUE(Inspect([this] { dialogs::ShowGoTo(tutor, nullptr); }, {})[0].escapeCloses);
    EXPECT_EQ(tutor.course.nLesson, 2);
}

class SettingsSheetTest : public DialogsTest {
protected:
    void SetUp() override
    {
        DialogsTest::SetUp();
        resources.strings = Resources::BuiltIn().strings;
        resources.namedRecordings = true;
        tutor.course.nErrorTone = 1000;
        sheet.show();
    }
    void Click(int page, int id)
    {
        sheet.Pages().setCurrentIndex(page);
        sheet.Pages().widget(page)->findChild<QAbstractButton*>(QString::number(id))->click();
    }
    void Press(const QString& text)
    {
        for (QPushButton* button : sheet.findChildren<QPushButton*>())
            if (button->text() == text)
                button->click();
    }
    dialogs::SettingsSheet sheet{tutor, nullptr};
};

// A new error sound plays as a preview and waits for OK; Übernehmen applies the other choices
// and is disabled again; Enter is OK; Abbrechen applies nothing.
TEST_F(SettingsSheetTest, ChoicesApplyByOkOrUebernehmen)
{
    Click(2, 1003);
    Click(2, 1003);
    EXPECT_EQ(host.played, (std::vector<FakeHost::Played>{{"AUTSCH", false}})) << "Autsch, once";
    EXPECT_FALSE(sheet.ApplyButton().isEnabled()) << "a new error sound alone";
    Click(0, 1001);
    ASSERT_TRUE(sheet.ApplyButton().isEnabled());
    sheet.ApplyButton().click();
    EXPECT_EQ(tutor.course.nFontSize, 1001);
    EXPECT_EQ(tutor.course.nErrorTone, 1003);
    EXPECT_FALSE(sheet.ApplyButton().isEnabled()) << "nothing left to apply";
    Click(0, 1000);
    QTest::keyClick(&sheet, Qt::Key_Return);
    EXPECT_EQ(tutor.course.nFontSize, 1000);
    EXPECT_FALSE(sheet.isVisible());

    Click(2, 1009);
    Press("Abbrechen");
    EXPECT_EQ(tutor.course.nErrorTone, 1003) << "Abbrechen applies nothing";
}

// A page refused with a warning keeps the sheet open on it; the other pages are applied.
TEST_F(SettingsSheetTest, ARefusedPageKeepsTheSheetOpenOnIt)
{
    Click(1, 1009);   // Tasten ansagen, while error tones are on
    Click(0, 1001);
    Press("OK");
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_EQ(sheet.Pages().currentIndex(), 1);
    EXPECT_EQ(tutor.course.nSoundStudio, kSoundOff);
    EXPECT_EQ(tutor.course.nFontSize, 1001);

    Click(1, 1009);   // sounds off
    Click(0, 1002);   // too big for the window
    Click(2, 1009);   // error tones off
    Press("Übernehmen");
    EXPECT_EQ(sheet.Pages().currentIndex(), 0);
    EXPECT_TRUE(sheet.ApplyButton().isEnabled()) << "the font size is not applied";
    EXPECT_EQ(tutor.course.nFontSize, 1001);
    EXPECT_EQ(tutor.course.nErrorTone, 0) << "a later page is applied";
    EXPECT_EQ(host.notices, (std::vector<Notice>{Notice::DictationWhileErrorTones, Notice::WindowTooSmall}));
}

}  // namespace
