#pragma once

// The learner's history: every finished exercise line with its figures, kept in a database
// in the user's data folder, and the "Fortschritt" window that shows it. It lives in a module
// of its own (Qt SQL and Qt Charts), which the program loads when a line is first finished
// or the window is first opened; this header is all the two share.

#include <QImage>
#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class QWidget;

namespace history {

// One character the course asked for, over one line.
struct KeyCount {
    unsigned char expected = 0;   // code page 1252
    int strikes = 0;              // keys typed where it was asked for
    int errors = 0;               // of these, wrong ones
    // The characters typed instead (code page 1252), with how often.
    std::vector<std::pair<unsigned char, int>> instead;
    int64_t correctMs = 0;        // time from the previous key, summed over the right strikes timed
    int timedStrikes = 0;         // right strikes with a previous key in the line
};

// A finished exercise line.
struct LineRecord {
    int64_t finishedAt = 0;   // milliseconds since 1970 UTC
    bool leftHand = true;
    int lesson = 0;           // 2..23
    int line = 0;             // 0-based line of the lesson's exercise
    int keystrokes = 0;       // counted keys (Backspace and Enter aside)
    int errors = 0;
    int64_t typingMs = 0;     // from the line's first key to its Enter, pauses cut to 5 s
    std::vector<KeyCount> keys;
};

// What the Fortschritt window needs of the course: the keyboard picture with each key's
// place and character, and the number of exercise lines of each lesson.
struct CourseShape {
    QImage keyboard;
    std::vector<std::pair<unsigned char, QRect>> keys;   // keyboard coordinates
    std::array<int, 24> exerciseLines{};                  // by lesson; 0: none
};

class Store {
public:
    virtual ~Store() = default;
    // Keeps a finished line; returns at once, the writing happens off the calling thread.
    virtual void Add(const LineRecord& line) = 0;
    // Opens (or raises) the modeless Fortschritt window for a hand, over `parent`.
    virtual void ShowProgress(QWidget* parent, bool leftHand, const CourseShape& course) = 0;
    // Each character's strikes and errors over the hand's stored lines (`instead` and the
    // times left empty); empty when the history cannot be read.
    virtual std::vector<KeyCount> KeyTotals(bool leftHand) = 0;
};

// What went wrong with the database, in German, for the learner; called on the thread that
// created the store.
using Notice = std::function<void(const QString& text)>;

// The module's one entry, a C function of this type named kCreateStoreSymbol: a store over
// the database in `folder` (created when missing), owned by the caller. It never fails: a
// database that cannot be opened or written reports through `notice`, at most once per
// store, and the course goes on.
using CreateStore = Store* (*)(const QString& folder, const Notice& notice);
constexpr char kCreateStoreSymbol[] = "tastora_history_create";

}  // namespace history
