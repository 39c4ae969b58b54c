#include "dialogs/settings_sheet.h"

#include "dialogs/template_dialog.h"
#include "flow/choices.h"
#include "sound/speech.h"
#include "tutor.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

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
    int firstChoice, lastChoice;
};
constexpr PageLayout kPageLayouts[] = {
    {"Schriftgröße ändern", kFontSizeControls, kFontStandard, kFontLargest},
    {"Tonstudio", kSoundStudioControls, kSoundSpeakKeys, kSoundDictation},
    {"Fehlertöne", kErrorToneControls, kFirstErrorTone, kLastErrorTone},
};

QWidget* MakePage(const PageLayout& layout)
{
    auto* page = new QWidget;
    Populate(*page, layout.controls, [](int) {});
    page->setMinimumSize(ToPixels(0, 0, 190, 136).size());
    return page;
}

}  // namespace

SettingsSheet::SettingsSheet(Tutor& tutor, QWidget* parent)
    : QDialog(parent), tutor_(tutor), pages_(new QTabWidget(this))
{
    setWindowTitle(QStringLiteral("Persönliche Einstellungen Tastora"));
    UseDialogLook(*this);
    for (const PageLayout& layout : kPageLayouts) {
        QWidget* page = MakePage(layout);
        pages_->addTab(page, QString::fromUtf8(layout.title));
        for (int id = layout.firstChoice; id <= layout.lastChoice; ++id) {
            if (QAbstractButton* choice = page->findChild<QAbstractButton*>(QString::number(id)))
                choice->setAutoExclusive(false);   // the page checks its choice itself
        }
    }
    for (int page : {kFontPage, kSoundPage}) {
        for (int id = kPageLayouts[page].firstChoice; id <= kPageLayouts[page].lastChoice; ++id) {
            connect(Choice(page, id), &QAbstractButton::clicked, this, [this, page, id] {
                edit_[page] = id;
                Show(page, id, true);
                Changed();
            });
        }
    }
    for (int id = kFirstErrorTone; id <= kLastErrorTone; ++id) {
        connect(Choice(kTonePage, id), &QAbstractButton::clicked, this, [this, id] {
            Show(kTonePage, id, true);
            if (id != edit_[kTonePage]) {
                edit_[kTonePage] = id;
                PlayErrorTone(tutor_, id + ::kErrorTones);   // a preview; it does not enable Übernehmen
            }
        });
    }
    for (int page : {kSoundPage, kTonePage}) {
        connect(Choice(page, kSwitch), &QAbstractButton::clicked, this, [this, page](bool on) {
            int& edit = edit_[page];
            if (!on)
                edit = 0;
            else if (edit == 0)
                edit = page == kSoundPage ? int{kSoundDictation} : int{kFirstErrorTone};
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
}

QAbstractButton* SettingsSheet::Choice(int page, int id) const
{
    return pages_->widget(page)->findChild<QAbstractButton*>(QString::number(id));
}

void SettingsSheet::Show(int page, int id, bool enabled)
{
    const PageLayout& layout = kPageLayouts[page];
    for (int choice = layout.firstChoice; choice <= layout.lastChoice; ++choice) {
        Choice(page, choice)->setChecked(choice == id);
        Choice(page, choice)->setEnabled(enabled);
    }
    if (QAbstractButton* on = Choice(page, kSwitch))
        on->setChecked(enabled);
}

void SettingsSheet::Load(int page)
{
    if (page < 0 || page >= kPageCount || shown_[page])
        return;
    shown_[page] = true;
    const CourseState& course = tutor_.course;
    const int value = page == kFontPage ? course.nFontSize : page == kSoundPage ? course.nSoundStudio : course.nErrorTone;
    edit_[page] = value;
    Show(page, value, page == kFontPage || value != 0);
}

void SettingsSheet::Changed()
{
    apply_->setEnabled(true);
}

bool SettingsSheet::Apply()
{
    int refused = -1;
    const auto apply = [&](int page, bool applied) {
        if (!applied && refused < 0)
            refused = page;
    };
    if (shown_[kFontPage])
        apply(kFontPage, ApplyFontSizeChoice(tutor_, edit_[kFontPage]) != FontChoice::TooBig);
    if (shown_[kSoundPage])
        apply(kSoundPage, ApplySoundStudioChoice(tutor_, edit_[kSoundPage]));
    if (shown_[kTonePage])
        apply(kTonePage, ApplyErrorToneChoice(tutor_, edit_[kTonePage]));
    if (refused >= 0)
        pages_->setCurrentIndex(refused);   // its warning has been shown; the choice waits there
    return refused < 0;
}

}  // namespace dialogs
