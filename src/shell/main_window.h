#pragma once

#include "dialogs/printing.h"
#include "platform/geometry.h"
#include "shell/typing_area.h"

#include <QMainWindow>
#include <QMargins>

#include <string>

class QAction;
struct Tutor;

// The client area: shows the tutor's screen image and draws it anew when invalidated.
class ClientArea : public QWidget {
public:
    ClientArea(Tutor& tutor, QWidget* parent);
    void Invalidate();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Tutor& tutor_;
    bool dirty_ = true;
};

class MainWindow : public QMainWindow {
public:
    explicit MainWindow(Tutor& tutor);

    // Loads the pictures, the font and the caption; false (after the fatal message) when
    // the program cannot run.
    bool Create();
    // Places the outer window (frame included) at the tutor's window rectangle, fitted onto
    // the screen; again once the window manager tells the frame.
    void Place();
    // Places the outer window at a rectangle, fitted onto the screen.
    void PlaceAt(const Rect& outer);
    // The outer window rectangle in screen coordinates, as a session file holds it.
    Rect WindowRect() const;
    // "Tastora", or "Tastora -- " and the session file's name as the file system spells it.
    void ShowCaption(const std::string& fileName);
    // The check mark on the hand trained.
    void ShowHand(bool left);

    void InvalidateClient();
    void MoveTypingArea(const Rect& rect);
    void FlushScreen();
    // Shows what the course drew since the last paint.
    void ShowChanges();
    ::TypingArea& TypingArea() { return *edit_; }
    // Takes the text font of the current font size, for the page and the typing area, and
    // keeps the window at least the smallest size for it (Qt grows a smaller window).
    void SetFontForSize();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildMenu();
    void ApplyMinimumSize();
    QMargins FrameMargins() const;
    void ApplyPlacement();
    void PlaceAgainWhenTheFrameIsKnown();
    void SwitchHand(bool left);
    void StartLesson1();
    void Fatal();

    Tutor& tutor_;
    ClientArea* client_;
    ::TypingArea* edit_;
    QAction* leftHand_ = nullptr;    // the menu items with a check mark
    QAction* rightHand_ = nullptr;
    dialogs::Printing printing_{this};
    Rect placement_;          // the outer window Place() asked for
    QMargins placedFrame_;    // the frame it was applied with
    bool placing_ = false;    // until applied with the window manager's frame
};
