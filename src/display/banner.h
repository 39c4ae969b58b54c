#pragma once

struct Tutor;

// The title picture, centred on the page area with a raised frame.
void DrawBanner(Tutor& tutor);
