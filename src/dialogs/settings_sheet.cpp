#include "dialogs/settings_sheet.h"

#include "dialogs/template_dialog.h"
#include "flow/choices.h"
#include "sound/speech.h"
#include "tutor.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <optional>
#include <vector>

namespace dialogs {
namespace {

using K = Kind;

constexpr int kSwitch = 1009;   // the check box that switches sounds or error tones on

// clang-format off
constexpr Control kFontSizeControls[] = {
    {K::Text, 0, "Welche Schriftgröße möchten Sie?", 12, 10, 160, 10},
    {K::Radio, 1002, "Größte Größe", 24, 28, 120, 10},
    {K::Radio, 1001, "Mittlere Größe", 24, 42, 120, 10},
    {K::Radio, 1000, "Standard Größe", 24, 56, 120, 10},
};
constexpr Control kSoundStudioControls[] = {
    {K::Check, kSwitch, "Tonunterlegung während der", 12, 8, 160, 10},
    {K::Text, 0, "Übungen einschalten", 25, 18, 140, 10},
    {K::Group, 0, "", 12, 30, 160, 52},
    {K::Radio, 1002, "Tasten ansagen", 24, 38, 130, 10},
    {K::Radio, 1000, "Sprechende Tasten", 24, 52, 130, 10},
    {K::Radio, 1001, "Schreibmaschine", 24, 66, 130, 10},
    {K::Text, 0, "Merke: Sprache und Schreibtöne sind nur während der Übungen möglich.", 12, 88, 170, 20},
};
constexpr Control kErrorToneControls[] = {
    {K::Check, kSwitch, "Fehlertöne einschalten", 12, 8, 160, 10},
    {K::Group, 0, "", 12, 22, 160, 108},
    {K::Radio, 1000, "Ping", 24, 30, 130, 10},
    {K::Radio, 1001, "Verflixt nochmal", 24, 44, 130, 10},
    {K::Radio, 1002, "Tütt", 24, 58, 130, 10},
    {K::Radio, 1003, "Autsch", 24, 72, 130, 10},
    {K::Radio, 1004, "Auwh", 24, 86, 130, 10},
    {K::Radio, 1005, "Oh oh", 24, 100, 130, 10},
    {K::Radio, 1006, "Spatsch", 24, 114, 130, 10},
};
// clang-format on

struct PageLayout {
    const char* title;
    std::span<const Control> controls;
    int32_t CourseState::*setting;
    bool (*apply)(Tutor& tutor, int value);   // false when the choice is refused
    int switchedOn;   // the choice the check box turns on when there was none
};
constexpr PageLayout kPageLayouts[] = {
    {"Schriftgröße ändern", kFontSizeControls, &CourseState::nFontSize,
     [](Tutor& tutor, int value) { return ApplyFontSizeChoice(tutor, value) != FontChoice::TooBig; }, 0},
    {"Tonstudio", kSoundStudioControls, &CourseState::nSoundStudio, ApplySoundStudioChoice, kSoundDictation},
    {"Fehlertöne", kErrorToneControls, &CourseState::nErrorTone, ApplyErrorToneChoice, kFirstErrorTone},
};

}  // namespace

SettingsSheet::SettingsSheet(Tutor& tutor, QWidget* parent)
    : QDialog(parent), tutor_(tutor), pages_(new QTabWidget(this))
{
    setWindowTitle(QStringLiteral("Persönliche Einstellungen Tastora"));
    UseDialogLook(*this);
    for (int page = 0; page < kPageCount; ++page) {
        const PageLayout& layout = kPageLayouts[page];
        auto* widget = new QWidget;
        const std::vector<QWidget*> made = Populate(*widget, layout.controls, [](int) {});
        widget->setMinimumSize(ToPixels(0, 0, 190, 136).size());
        pages_->addTab(widget, QString::fromUtf8(layout.title));
        choices_[page] = new QButtonGroup(widget);   // exclusive: the arrow keys choose too
        for (std::size_t i = 0; i < made.size(); ++i) {
            auto* button = qobject_cast<QAbstractButton*>(made[i]);
            if (layout.controls[i].kind == Kind::Radio)
                choices_[page]->addButton(button, layout.controls[i].id);
            else if (layout.controls[i].kind == Kind::Check)
                switches_[page] = button;
        }
    }
    for (int page : {kFontPage, kSoundPage}) {
        connect(choices_[page], &QButtonGroup::idClicked, this, [this, page](int value) {
            edit_[page] = value;
            Show(page, value, true);
            Changed();
        });
    }
    connect(choices_[kTonePage], &QButtonGroup::idClicked, this, [this](int value) {
        Show(kTonePage, value, true);
        if (value != edit_[kTonePage]) {
            edit_[kTonePage] = value;
            PlayErrorTone(tutor_, value + ::kErrorTones);   // a preview; it does not enable Übernehmen
        }
    });
    for (int page : {kSoundPage, kTonePage}) {
        connect(switches_[page], &QAbstractButton::clicked, this, [this, page](bool on) {
            int& edit = edit_[page];
            if (!on)
                edit = 0;
            else if (edit == 0)
                edit = kPageLayouts[page].switchedOn;
            Show(page, edit, on);
            Changed();
        });
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    apply_ = buttons->addButton(QStringLiteral("Übernehmen"), QDialogButtonBox::ApplyRole);
    ok->setDefault(true);
    apply_->setEnabled(false);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (Apply())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(apply_, &QPushButton::clicked, this, [this] {
        if (Apply())
            apply_->setEnabled(false);
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(buttons);

    connect(pages_, &QTabWidget::currentChanged, this, &SettingsSheet::Load);
    Load(kFontPage);
    // The keys start on the size in use, as the arrows move among the sizes.
    if (QAbstractButton* chosen = choices_[kFontPage]->checkedButton())
        chosen->setFocus();
}

void SettingsSheet::Show(int page, int value, bool enabled)
{
    QButtonGroup& group = *choices_[page];
    group.setExclusive(false);   // an exclusive group keeps one choice checked; sounds off check none
    for (QAbstractButton* choice : group.buttons()) {
        choice->setChecked(group.id(choice) == value);
        choice->setEnabled(enabled);
    }
    group.setExclusive(true);
    if (switches_[page])
        switches_[page]->setChecked(enabled);
}

void SettingsSheet::Load(int page)
{
    if (page < 0 || page >= kPageCount || shown_[page])
        return;
    shown_[page] = true;
    const int value = tutor_.course.*kPageLayouts[page].setting;
    edit_[page] = value;
    Show(page, value, !switches_[page] || value != 0);
}

void SettingsSheet::Changed()
{
    apply_->setEnabled(true);
}

bool SettingsSheet::Apply()
{
    std::optional<int> refused;
    for (int page = 0; page < kPageCount; ++page) {
        if (shown_[page] && !kPageLayouts[page].apply(tutor_, edit_[page]) && !refused)
            refused = page;
    }
    if (refused)
        pages_->setCurrentIndex(*refused);   // its warning has been shown; the choice waits there
    return !refused;
}

void ShowSettingsSheet(Tutor& tutor, QWidget* parent)
{
    SettingsSheet sheet(tutor, parent);
    CenterDialog(sheet);
    sheet.exec();
}

}  // namespace dialogs
