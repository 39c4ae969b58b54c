#pragma once

struct Tutor;

// Draws the current page: its demonstration, its text, and on an exercise page the line
// to type.
void DrawInstructionPage(Tutor& tutor);
