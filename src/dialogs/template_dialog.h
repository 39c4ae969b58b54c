#pragma once

#include <QDialog>

#include <functional>
#include <span>
#include <vector>

// A dialog laid out from a template: its controls' places and sizes in dialog units of the
// dialog font (Liberation Sans Bold 12 points, the metric twin of Arial Bold), as the
// program's dialog tables give them. Controls carry their id as object name.
namespace dialogs {

enum class Kind { Text, CentredText, Button, DefaultButton, Edit, Radio, Check, Group };

struct Control {
    Kind kind;
    int id;             // 0: none
    const char* text;   // UTF-8
    int x, y, width, height;
};

struct Template {
    const char* title;
    int width, height;
    std::span<const Control> controls;
};

// Button ids.
constexpr int kOk = 1;
constexpr int kCancel = 2;

// The font of every dialog.
QFont DialogFont();
// The dialog font, and a frame with a title and a close box only.
void UseDialogLook(QDialog& dialog);
// Dialog units to pixels with the dialog font: a horizontal unit is a quarter of the
// average letter width, a vertical one an eighth of a line's height.
QRect ToPixels(int x, int y, int width, int height);

class TemplateDialog : public QDialog {
public:
    // `escapeCloses`: Escape and the close box answer as Abbruch; else only a button closes.
    TemplateDialog(const Template& layout, bool escapeCloses, QWidget* parent);

    QWidget* Item(int id) const;
    void SetItemText(int id, const QString& text);
    QString ItemText(int id) const;
    // The id of the button that closed the dialog (kCancel for Escape).
    int Pressed() const { return pressed_; }

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool escapeCloses_;
    int pressed_ = kCancel;
};

// Lays the controls out on a widget; `pressed` hears the id of a push button clicked. The
// widgets made, one for each control, in order.
std::vector<QWidget*> Populate(QWidget& parent, std::span<const Control> controls,
                               const std::function<void(int)>& pressed);

// Centres a dialog on the screen.
void CenterDialog(QDialog& dialog);

// Qt's own dialogs and buttons speak German: their translation is loaded before the first
// of them opens, not at start.
void SpeakGerman();

}  // namespace dialogs
