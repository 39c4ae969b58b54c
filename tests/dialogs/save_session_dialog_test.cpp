#include "dialogs/save_session_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

QString Text(const QDialog& dialog, const char* id)
{
    if (const auto* label = dialog.findChild<QLabel*>(id))
        return label->text();
    const auto* button = dialog.findChild<QPushButton*>(id);
    return button ? button->text() : QString();
}

TEST(SaveSessionDialog, AsksInGermanNamingTheFileOrUnbenannt)
{
    SaveSessionDialog named("Übung-日本.klv", nullptr);
    EXPECT_EQ(named.windowTitle(), "Übung speichern?");
    EXPECT_EQ(Text(named, "3002"), "Leistungen sichern in 'Übung-日本.klv'?");
    EXPECT_EQ(Text(named, "6"), "Ja");
    EXPECT_EQ(Text(named, "7"), "Nein");
    EXPECT_EQ(Text(named, "2"), "Abbruch");
    EXPECT_TRUE(named.findChild<QPushButton*>("6")->isDefault());
    QStringList texts;
    for (const QLabel* label : named.findChildren<QLabel*>())
        texts << label->text();
    EXPECT_TRUE(texts.contains("Tastora speichert nicht Ihren geschriebenen Text."));
    EXPECT_TRUE(texts.contains("Die Leistungs-Datei speichert Ihre Wahl der Übungshand und an welcher Übung Sie "
                               "zuletzt gearbeitet haben."));
    EXPECT_EQ(Text(SaveSessionDialog("", nullptr), "3002"), "Leistungen sichern in 'Unbenannt'?");
}

// Each button gives its answer; Escape is Abbruch.
TEST(SaveSessionDialog, EachButtonAnswersAndEscapeIsAbbruch)
{
    struct Case {
        const char* press;   // a button's id, or "" for Escape
        SaveAnswer answer;
    };
    for (const Case& c : {Case{"6", SaveAnswer::Yes}, Case{"7", SaveAnswer::No}, Case{"2", SaveAnswer::Cancel},
                          Case{"", SaveAnswer::Cancel}}) {
        SaveSessionDialog dialog("kurs.klv", nullptr);
        QTimer::singleShot(0, &dialog, [&] {
            if (*c.press) {
                dialog.findChild<QPushButton*>(c.press)->click();
            } else {
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(&dialog, &escape);
            }
        });
        QTimer::singleShot(5000, &dialog, &QDialog::reject);   // never waits for ever
        dialog.exec();
        EXPECT_EQ(dialog.Answer(), c.answer) << (*c.press ? c.press : "Escape");
    }
}

}  // namespace
