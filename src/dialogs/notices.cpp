#include "dialogs/notices.h"

#include "dialogs/template_dialog.h"

#include <QMessageBox>

#include <array>

namespace dialogs {
namespace {

using K = Kind;

// clang-format off
constexpr Control kEnd[] = {
    {K::Text, 0, "Herzlichen Glückwunsch. Sie haben das Ziel von Tastora erreicht.", 14, 6, 132, 17},
    {K::Text, 0, "Möchten Sie zu einer früheren Übung zurück, dann wählen Sie 'Geh Zu Übung...' aus dem "
                 "Lehrgangs Menü.", 14, 27, 132, 27},
    {K::DefaultButton, kOk, "OK", 78, 61, 39, 12},
};
constexpr Control kTooBig[] = {
    {K::Text, 0, "Die gewählte Schriftgröße ist zu groß für das Bildschirmfenster.", 12, 6, 135, 18},
    {K::Text, 0, "Vergrößern Sie das Bildschirmfenster zuerst.", 12, 26, 157, 11},
    {K::DefaultButton, kOk, "OK", 106, 44, 39, 12},
};
constexpr Control kDictationWhileErrorTones[] = {
    {K::Text, 0, "Sie haben 'Tasten ansagen' aus dem Tonstudio", 8, 6, 200, 9},
    {K::Text, 0, "angewählt, aber 'Fehlertöne' sind bereits eingeschaltet.", 8, 16, 200, 9},
    {K::Text, 0, "'Tasten ansagen' behandelt Fehler in einer etwas anderen Weise als 'Fehlertöne', daher "
                 "bitte 'Fehlertöne' zuerst ausschalten.", 8, 30, 200, 27},
    {K::DefaultButton, kOk, "OK", 88, 62, 40, 12},
};
constexpr Control kErrorTonesWhileDictation[] = {
    {K::Text, 0, "Sie haben Fehlertöne angewählt, aber im Tonstudio", 8, 6, 210, 9},
    {K::Text, 0, "ist die Funktion 'Tasten ansagen' bereits eingerichtet.", 8, 16, 210, 9},
    {K::Text, 0, "'Fehlertöne' behandelt Eingabefehler in einer anderen Weise als die 'Tasten ansagen' "
                 "Funktion. Um Fehlertöne hier zuzulassen schalten Sie bitte die 'Tasten ansagen' Funktion "
                 "zuerst im Tonstudio aus.", 8, 30, 210, 36},
    {K::DefaultButton, kOk, "OK", 93, 71, 40, 12},
};
constexpr Control kAbout[] = {
    {K::CentredText, 0, "TASTORA " TASTORA_VERSION, 65, 5, 86, 8},
    {K::CentredText, 0, "Ein Lehrgang um das Ein-Händige Blindschreiben zu erlernen", 14, 13, 202, 8},
    {K::CentredText, 0, "Geschrieben von den Entwicklern des Tastora-Projekts.", 8, 26, 208, 9},
    {K::CentredText, 0, "Fragen, Wünsche und Fehlerberichte nimmt das Projektarchiv von Tastora entgegen.",
     8, 36, 208, 18},
    {K::CentredText, 0, "Sprache: espeak-ng. Schrift: Liberation Sans.", 8, 66, 208, 9},
    {K::CentredText, 0, "Mit Qt und SDL gebaut; Bilder und Töne sind eigene Werke.", 8, 75, 208, 9},
    {K::CentredText, 0, "Freie Software unter der GNU GPL, Version 3 oder neuer.", 8, 89, 208, 9},
    {K::DefaultButton, kOk, "OK", 137, 105, 31, 14},
};
// clang-format on

constexpr Template kNotices[] = {
    {"Das Ende", 162, 80, kEnd},
    {"Bildschirmfenster nicht groß genug", 173, 67, kTooBig},
    {"Achtung...", 216, 80, kDictationWhileErrorTones},
    {"Achtung...", 226, 89, kErrorTonesWhileDictation},
};

void ShowOkOnly(const Template& layout, QWidget* parent)
{
    TemplateDialog dialog(layout, false, parent);
    CenterDialog(dialog);
    dialog.exec();
}

}  // namespace

void ShowNotice(Notice notice, QWidget* parent)
{
    ShowOkOnly(kNotices[static_cast<int>(notice)], parent);
}

void ShowAbout(QWidget* parent)
{
    ShowOkOnly({"Info über Tastora", 224, 126, kAbout}, parent);
}

void OpenWarning(QWidget* parent, const QString& title, const QString& text)
{
    SpeakGerman();
    auto* box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::PlainText);
    box->open();
}

void WarnOfOtherLayout(QWidget* parent)
{
    OpenWarning(parent, QStringLiteral("Tastaturbelegung"),
                QStringLiteral(
                    "Ihre Tastatur ist anscheinend nicht auf die deutsche Belegung eingestellt: Einige Tasten geben "
                    "andere Zeichen, als der Lehrgang erwartet, zum Beispiel y statt z oder ; statt ö.\n\n"
                    "Tastora braucht die deutsche Tastaturbelegung (QWERTZ). Stellen Sie in den Einstellungen Ihrer "
                    "Arbeitsumgebung die Eingabequelle \u201EDeutsch\u201C ein, unter GNOME zum Beispiel in "
                    "Einstellungen \u203A Tastatur \u203A Eingabequellen. In einem Terminal genügt der Befehl "
                    "\u201Esetxkbmap de\u201C."));
}

}  // namespace dialogs
