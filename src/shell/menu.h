#pragma once

#include <array>

class QMenuBar;
class QObject;

namespace menu {

enum Command {
    kNew = 101,
    kOpen = 102,
    kSave = 103,
    kSaveAs = 104,
    kPageSetup = 105,
    kPrint = 106,
    kExit = 107,
    kCut = 201,
    kCopy = 202,
    kPaste = 203,
    kClear = 204,
    kContents = 301,
    kLeftHand = 302,
    kRightHand = 303,
    kSettings = 304,
    kStartLesson1 = 305,
    kGoToLesson = 306,
    kStatistics = 307,
    kLineReport = 308,
    kAbout = 309,
};

struct Item {
    const char* popup;   // starts a new popup menu with this title
    int id;              // 0: a separator
    const char* text;
};

// clang-format off
inline constexpr auto kItems = std::to_array<Item>({
    {"&Datei",      kNew,          "&Neu..."},
    {nullptr,       kOpen,         "&Öffnen..."},
    {nullptr,       kSave,         "&Speichern"},
    {nullptr,       kSaveAs,       "Speichern &Unter..."},
    {nullptr,       0,             nullptr},
    {nullptr,       kPageSetup,    "Seite Einrichten..."},
    {nullptr,       kPrint,        "&Drucken..."},
    {nullptr,       0,             nullptr},
    {nullptr,       kExit,         "&Beenden"},
    {"&Bearbeiten", kCut,          "Ausschneiden\tCtrl+X"},
    {nullptr,       kCopy,         "&Kopieren\tCtrl+C"},
    {nullptr,       kPaste,        "&Einfügen\tCtrl+V"},
    {nullptr,       kClear,        "Löschen\tDel"},
    {"&Lehrgang",   kContents,     "Inhaltsverzeichnis"},
    {nullptr,       0,             nullptr},
    {nullptr,       kLeftHand,     "Linke Hand"},
    {nullptr,       kRightHand,    "Rechte Hand"},
    {nullptr,       kSettings,     "Einstellungen..."},
    {nullptr,       0,             nullptr},
    {nullptr,       kStartLesson1, "Start Übung 1"},
    {nullptr,       kGoToLesson,   "&Geh Zu Übung..."},
    {nullptr,       kStatistics,   "&Erfolgskontrolle"},
    {nullptr,       kLineReport,   "&Xaver"},
    {nullptr,       0,             nullptr},
    {nullptr,       kAbout,        "Info über Tastora"},
});
// clang-format on

}  // namespace menu
