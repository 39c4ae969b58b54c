#pragma once

#include <QDialog>

#include <array>

class QAbstractButton;
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
    QAbstractButton* Choice(int page, int id) const;
    // Checks the choice `id` on a page, or none for 0, and enables the choices or not.
    void Show(int page, int id, bool enabled);

    Tutor& tutor_;
    QTabWidget* pages_;
    QPushButton* apply_;
    std::array<bool, kPageCount> shown_{};
    std::array<int, kPageCount> edit_{};   // nFontSizeEdit, nSoundStudioEdit, nErrorToneEdit
};

}  // namespace dialogs
