#include "shell/qt_host.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace {

// The message box shows its text as plain text, the file name as the file system spells it.
TEST(QtDialogs, TheMessageBoxShowsTheFileNameAsTheSystemSpellsIt)
{
    QString seen = "(no box)";
    QTimer reader;
    QObject::connect(&reader, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        seen = box && box->textFormat() == Qt::PlainText ? box->windowTitle() + ": " + box->text() : "(markup)";
        box ? box->reject() : QApplication::exit();   // never waits for ever
    });
    reader.start(10);
    QtDialogs().ShowMessage(
        {"Gr\xF6\xDF" "e \x80 '%s'.", "READ FILE ERROR", BoxIcon::Exclamation, false, "<b>Übung-日本</b> 100%s.klv"});
    EXPECT_EQ(seen, "READ FILE ERROR: Größe € '<b>Übung-日本</b> 100%s.klv'.");
}

}  // namespace
