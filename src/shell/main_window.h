#pragma once

#include "dialogs/printing.h"
#include "flow/typing.h"
#include "shell/client_area.h"
#include "platform/geometry.h"
#include "shell/learner_history.h"
#include "shell/typing_area.h"
#include "tutor.h"

#include <QMainWindow>
#include <QMargins>
#include <QTimer>

#include <string>

class QAction;
class QLabel;

// The main window: it holds the tutor, shows its screen and serves as its view and typing area.
class MainWindow : public QMainWindow, public MainView, public TypingField {
public:
    MainWindow(Speaker& speaker, Clock& clock, Dialogs& dialogs, const Resources& resources);

    ::Tutor& Tutor() { return tutor_; }
    // Loads the pictures, the font and the caption; false (after the fatal message) when
    // the program cannot run.
    bool Create();
    // Places the outer window (frame included) at the tutor's window rectangle, fitted onto
    // the screen; again once the window manager tells the frame.
    void Place();
    // Shows what the course drew since the last paint, and soon the figures in the status bar.
    void ShowChanges();
    // After a key the course handled: marks a wrong character, keeps a finished line, and
    // shows the changes.
    void KeyHandled(const TypedKey* typed);
    ::TypingArea& TypingArea() { return *edit_; }

    // The view: PlaceWindow fits the rectangle onto the screen; WindowRect is in screen
    // coordinates, as a session file holds it; the caption reads "Tastora", or "Tastora -- "
    // and the session file's name as the file system spells it.
    void InvalidateClient() override;
    void FlushScreen() override;
    void ShowCaption(const std::string& fileName) override;
    Rect WindowRect() const override;
    void PlaceWindow(const Rect& outer) override;
    void ShowHand(bool left) override;
    void UseTextFont(const QFont& font) override;

    void MoveTypingArea(const Rect& rect) override;
    void TypeIntoTypingArea(unsigned char ch) override { edit_->TypeByItself(ch); }
    void ShowTypingCaret(bool shown) override { edit_->setCursorWidth(shown ? 1 : 0); }
    void TakeBackTyping() override { edit_->TakeBackOwnTyping(); }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildMenu();
    void ShowStatus();
    Size MinimumOuterSize() const;
    void ApplyMinimumSize();
    void MarkErrors(bool mark);
    void PractiseWords();
    QMargins FrameMargins() const;
    void ApplyPlacement();
    void PlaceAgainWhenTheFrameIsKnown();
    void SwitchHand(bool left);
    void StartLesson1();
    void Fatal();

    ::Tutor tutor_;
    ClientArea* client_;
    ::TypingArea* edit_;
    QLabel* status_;
    QTimer statusDue_;
    QAction* leftHand_ = nullptr;    // the menu items with a check mark
    QAction* rightHand_ = nullptr;
    QAction* markErrors_ = nullptr;
    LearnerHistory history_{*this};
    dialogs::Printing printing_{this};
    Rect placement_;          // the outer window Place() asked for
    QMargins placedFrame_;    // the frame it was applied with
    bool placing_ = false;    // until applied with the window manager's frame
};
