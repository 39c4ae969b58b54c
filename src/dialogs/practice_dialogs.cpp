#include "dialogs/practice_dialogs.h"

#include "course/layout.h"
#include "course/own_text.h"
#include "dialogs/template_dialog.h"
#include "flow/page_change.h"
#include "tutor.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>

namespace dialogs {
namespace {

const QString kOwnText = QStringLiteral("Eigener Text");

void Tell(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

// The bytes of the text the learner chooses; `from` names where they came from. False when
// the learner cancels or the file cannot be read (after saying so).
bool ChooseText(QWidget* parent, QByteArray& bytes, QString& from)
{
    QMessageBox ask(QMessageBox::Question, kOwnText, QStringLiteral("Welchen Text möchten Sie üben?"),
                    QMessageBox::Cancel, parent);
    QPushButton* file = ask.addButton(QStringLiteral("Aus einer &Datei..."), QMessageBox::AcceptRole);
    QPushButton* clipboard = ask.addButton(QStringLiteral("Aus der &Zwischenablage"), QMessageBox::AcceptRole);
    ask.setDefaultButton(file);
    ask.exec();
    if (ask.clickedButton() == clipboard) {
        bytes = QApplication::clipboard()->text().toUtf8();
        from = QStringLiteral("Die Zwischenablage");
        return true;
    }
    if (ask.clickedButton() != file)
        return false;
    QFileDialog dialog(parent, kOwnText);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("Textdateien (*.txt)"), QStringLiteral("Alle Dateien (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    QFile input(dialog.selectedFiles().front());
    from = QStringLiteral("Die Datei \u201E%1\u201C").arg(QFileInfo(input).fileName());
    if (!input.open(QIODevice::ReadOnly)) {
        Tell(parent, QMessageBox::Warning, kOwnText, from + QStringLiteral(" lässt sich nicht lesen."));
        return false;
    }
    bytes = input.read(kLargestOwnText + 1);
    return true;
}

}  // namespace

void PractiseWords(Tutor& tutor, QWidget* parent)
{
    tutor.practice.seed = QRandomGenerator::global()->generate();
    if (!StartPractice(tutor, Practice::Words)) {
        SpeakGerman();
        Tell(parent, QMessageBox::Information, QStringLiteral("Freies Üben"),
             QStringLiteral("Freies Üben beginnt mit Übung 2: Vorher hat der Lehrgang noch keine Tasten gelehrt."));
    }
}

void PractiseOwnText(Tutor& tutor, QWidget* parent)
{
    SpeakGerman();
    QByteArray bytes;
    QString from;
    if (!ChooseText(parent, bytes, from))
        return;
    const OwnText text =
        ReadOwnText(bytes, [&](std::string_view line) { return tutor.screen.TextWidth(line); },
                    ColumnWidth(tutor.course.nFontSize, kWide));
    switch (text.refusal) {
    case OwnText::Refusal::None:
        break;
    case OwnText::Refusal::Empty:
        Tell(parent, QMessageBox::Warning, kOwnText,
             from + QStringLiteral(" enthält nichts, was sich auf einer deutschen Tastatur üben lässt."));
        return;
    case OwnText::Refusal::Binary:
        Tell(parent, QMessageBox::Warning, kOwnText, from + QStringLiteral(" enthält keinen Text."));
        return;
    case OwnText::Refusal::TooLarge:
        Tell(parent, QMessageBox::Warning, kOwnText, from + QStringLiteral(" ist zu groß: Mehr als 1 MB Text übt niemand an einem Stück."));
        return;
    }
    if (!text.leftOut.isEmpty())
        Tell(parent, QMessageBox::Information, kOwnText,
             QStringLiteral("Diese Zeichen lehrt der Lehrgang auf einer deutschen Tastatur nicht; sie werden ausgelassen: ") +
                 text.leftOut);
    tutor.practice.text = text.lines;
    StartPractice(tutor, Practice::Text);
}

}  // namespace dialogs
