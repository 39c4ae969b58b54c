#pragma once

#include "course/state.h"
#include "display/state.h"
#include "platform/canvas.h"
#include "platform/host.h"
#include "platform/resources.h"
#include "session/state.h"
#include "shell/state.h"
#include "sound/state.h"

#include <QImage>

// The whole program state: one of each subsystem's state, the window system's services, and the
// client area as an image (the window's own drawing surface, which keeps its font).
struct Tutor {
    Tutor(const Services& servicesIn, const Resources& resourcesIn)
        : speaker(servicesIn.speaker), clock(servicesIn.clock), dialogs(servicesIn.dialogs), view(servicesIn.view),
          typingArea(servicesIn.typingArea), resources(resourcesIn)
    {
    }
    Tutor(const Tutor&) = delete;
    Tutor& operator=(const Tutor&) = delete;

    int ClientWidth() const { return LogicalSize(screenImage).width(); }
    int ClientHeight() const { return LogicalSize(screenImage).height(); }
    // A client area of the given size, to be drawn anew at the pictures' scale.
    void ResizeClient(int width, int height)
    {
        screenImage = NewImage(QSize(width, height), resources.scale);
        screen.SetTarget(&screenImage);
    }

    CourseState course;
    TextLayout layout;
    DisplayState display;
    SessionState session;
    SoundState sound;
    DemoState demo;
    TypingStats stats;
    PracticeState practice;
    ShellState shell;

    Speaker& speaker;
    Clock& clock;
    Dialogs& dialogs;
    MainView& view;
    TypingField& typingArea;
    const Resources& resources;
    QImage screenImage;
    Canvas screen{&screenImage};
};
