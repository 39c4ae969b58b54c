#include "dialogs/lesson_dialogs.h"

#include "course/statistics.h"
#include "dialogs/template_dialog.h"
#include "flow/choices.h"
#include "tutor.h"

#include <QLineEdit>

#include <vector>

namespace dialogs {
namespace {

using K = Kind;

constexpr int kNumber = 3001;
constexpr int kInputs = 3002, kWrong = 3003, kAccuracy = 3004;
constexpr int kOnward = 4;   // "Weiter", "Zurück"

// clang-format off
constexpr Control kGoTo[] = {
    {K::Text, 0, "Eine Übersicht zu jeder Übung finden Sie im Inhaltsverzeichnis.", 9, 6, 115, 18},
    {K::Text, 0, "Welche Übung möchten Sie?", 9, 26, 108, 10},
    {K::Edit, kNumber, nullptr, 94, 42, 40, 12},
    {K::DefaultButton, kOk, "OK", 40, 64, 44, 12},
    {K::Button, kCancel, "Abbruch", 93, 64, 44, 12},
};
constexpr Control kStatistics[] = {
    {K::Text, 0, "Die Erfolgskontrolle ist eine Statistik, die von den Übungseingaben, jedoch ohne "
                 "Berücksichtigung der Probephasen, gewonnen wird.", 6, 6, 163, 27},
    {K::Text, kInputs, "Dieses Mal betrug die Anzahl der geleisteten Eingaben:", 6, 36, 143, 17},
    {K::Text, kWrong, "und davon inkorrekte Eingaben:", 6, 57, 138, 9},
    {K::Text, kAccuracy, "Dies ergibt eine Genauigkeitsrate von:", 6, 71, 160, 8},
    {K::DefaultButton, kOk, "OK", 99, 88, 45, 12},
};
// clang-format on

// A contents page: its size, title and buttons; the lesson lines come from kLessons.
struct ContentsPage {
    int width, height;
    const char* title;
    Control label;
    Control defaultButton;
    Control otherButton;
    int x, y;   // the first lesson line
    int firstLesson, lastLesson;
};

// clang-format off
constexpr ContentsPage kContents[2][2] = {
    {   // left hand
        {166, 148, "Inhaltsverzeichnis - Linke Hand", {K::Text, 0, "Seite 1", 73, 3, 40, 9},
         {K::DefaultButton, kOnward, "Weiter", 96, 128, 44, 12}, {K::Button, kOk, "Beenden", 28, 128, 44, 12},
         10, 13, 1, 12},
        {135, 144, "Inhaltsverzeichnis - Linke Hand", {K::Text, 0, "Seite 2", 56, 3, 40, 9},
         {K::DefaultButton, kOk, "Beenden", 11, 121, 44, 11}, {K::Button, kOnward, "Zurück", 76, 121, 44, 11},
         8, 14, 13, 23},
    },
    {   // right hand
        {159, 152, "Inhaltsverzeichnis - Rechte Hand", {K::Text, 0, "Seite 1", 66, 4, 40, 9},
         {K::DefaultButton, kOnward, "Weiter", 86, 131, 44, 11}, {K::Button, kOk, "Beenden", 19, 131, 43, 11},
         6, 15, 1, 12},
        {144, 146, "Inhaltsverzeichnis - Rechte Hand", {K::Text, 0, "Seite 2", 55, 5, 40, 9},
         {K::DefaultButton, kOk, "Beenden", 19, 123, 43, 11}, {K::Button, kOnward, "Zurück", 78, 123, 44, 11},
         8, 16, 13, 23},
    },
};

// The lesson lines: left hand, right hand (nullptr: the same).
constexpr const char* kLessons[24][2] = {
    {nullptr, nullptr},
    {"1. Ein-Händig Blindschreiben - Einführung", nullptr},
    {"2. Die Grundstellung - j h g f", "2. Die Grundstellung - f g h j"},
    {"3. Neue Buchstaben - k d", "3. Neue Buchstaben - d k"},
    {"4. Neue Buchstaben - u r", "4. Neue Buchstaben - r u"},
    {"5. Neue Buchstaben - i m", "5. Neue Buchstaben - e c"},
    {"6. Neue Buchstaben - e c", "6. Neue Buchstaben - i m"},
    {"7. Rückblick und Übungen", nullptr},
    {"8. Neue Buchstaben - l o", nullptr},
    {"9. Neue Buchstaben - s a", nullptr},
    {"10. Neue Buchstaben - ö ü", nullptr},
    {"11. Rückblick auf bekannte Eingaben", nullptr},
    {"12. Anwendung 'Shift' und 'Caps Lock' Taste", nullptr},
    {"13. Neue Buchstaben - T Z", "13. Neue Buchstaben - T B"},
    {"14. Neue Buchstaben - B N", "14. Neue Buchstaben - Z N"},
    {"15. Neue Buchstaben - P Ä", nullptr},
    {"16. Neue Buchstaben - ß .", nullptr},
    {"17. Neue Buchstaben - V ,", nullptr},
    {"18. Methodik und Rückblick", nullptr},
    {"19. Neue Buchstaben - W ?", nullptr},
    {"20. Neue Buchstaben - Q X", nullptr},
    {"21. Neue Buchstaben - Y -", nullptr},
    {"22. Gesamt Rückblick", nullptr},
    {"23. Zahlen-Eingabe", nullptr},
};
// clang-format on

constexpr int kLineStep = 9;   // dialog units from one lesson line to the next

// Runs one contents page; the id of the button pressed.
int ShowContentsPage(const ContentsPage& page, bool left, QWidget* parent)
{
    std::vector<Control> controls{page.label, page.defaultButton, page.otherButton};
    for (int lesson = page.firstLesson; lesson <= page.lastLesson; ++lesson) {
        const char* line = kLessons[lesson][left || !kLessons[lesson][1] ? 0 : 1];
        controls.push_back({K::Text, 0, line, page.x, page.y + (lesson - page.firstLesson) * kLineStep,
                            page.width - page.x - 4, 9});
    }
    TemplateDialog dialog({page.title, page.width, page.height, controls}, true, parent);
    CenterDialog(dialog);
    dialog.exec();
    return dialog.Pressed();
}

}  // namespace

void ShowGoTo(Tutor& tutor, QWidget* parent)
{
    TemplateDialog dialog({"Geh Zu Übung ...", 146, 83, kGoTo}, true, parent);
    auto* number = static_cast<QLineEdit*>(dialog.Item(kNumber));
    number->setText(QString::number(tutor.course.nLesson));
    number->selectAll();
    number->setFocus();
    CenterDialog(dialog);
    dialog.exec();
    if (dialog.Pressed() == kOk)
        GoToLesson(tutor, number->text().trimmed().toInt());   // text that is no number reads as 0
}

void ShowStatistics(const Tutor& tutor, QWidget* parent)
{
    TemplateDialog dialog({"Erfolgskontrolle", 175, 112, kStatistics}, false, parent);
    const Statistics statistics = StatisticsOf(tutor.course);
    const auto append = [&](int id, int value, const char* after) {
        dialog.SetItemText(id, QString::fromStdString(AppendNumberToItem(dialog.ItemText(id).toStdString(), value)) +
                                   QString::fromLatin1(after));
    };
    append(kInputs, statistics.inputs, "");
    append(kWrong, statistics.wrong, "");
    append(kAccuracy, statistics.accuracy, "%");
    CenterDialog(dialog);
    dialog.exec();
}

void ShowContents(const Tutor& tutor, QWidget* parent)
{
    const bool left = tutor.course.bLeftHand;
    const ContentsPage* pages = kContents[left ? 0 : 1];
    int shown = 0;
    while (ShowContentsPage(pages[shown], left, parent) == kOnward)
        shown = 1 - shown;
}

}  // namespace dialogs
