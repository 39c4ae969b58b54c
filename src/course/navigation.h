#pragma once

struct Tutor;

// Moves one page back (-1) or on (+1), or redraws the current page (0).
void ChangePage(Tutor& tutor, int dir);
// The first page of a lesson entered directly, and whether its new keys are shown marked.
void SetLessonStartPage(Tutor& tutor);
// Removes the marks of the page when the learner types on it.
void RemoveShading(Tutor& tutor);
// Blocks for the given time, after showing what was drawn.
void WaitMs(Tutor& tutor, int milliseconds);
