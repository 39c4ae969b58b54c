#pragma once

#include <QDialog>

#include <array>

class QAbstractButton;
class QButtonGroup;
class QPushButton;
class QTabWidget;
struct Tutor;

namespace dialogs {

// "Persönliche Einstellungen Tastora": the font size, the sound studio and the error tones.
// Each page edits a working copy of its setting, loaded when the page is first shown; OK and
// Übernehmen apply the pages shown, in order; Abbrechen applies nothing. A page refused with
// a warning keeps the sheet open on that page, with the other pages applied.
class SettingsSheet : public QDialog {
public:
    SettingsSheet(Tutor& tutor, QWidget* parent);

    QTabWidget& Pages() const { return *pages_; }
    QPushButton& ApplyButton() const { return *apply_; }

private:
    enum Page { kFontPage, kSoundPage, kTonePage, kPageCount };

    void Load(int page);
    // Applies the pages shown; false when a page was refused.
    bool Apply();
    void Changed();
    // Checks the choice `value` on a page, or none for 0, and enables the choices or not.
    void Show(int page, int value, bool enabled);

    Tutor& tutor_;
    QTabWidget* pages_;
    QPushButton* apply_;
    std::array<QButtonGroup*, kPageCount> choices_{};      // a page's radio buttons, by their value
    std::array<QAbstractButton*, kPageCount> switches_{};  // the check box that switches them on, if any
    std::array<bool, kPageCount> shown_{};
    std::array<int, kPageCount> edit_{};   // nFontSizeEdit, nSoundStudioEdit, nErrorToneEdit
};

// Runs the sheet, centred on the screen, until it closes.
void ShowSettingsSheet(Tutor& tutor, QWidget* parent);

}  // namespace dialogs
