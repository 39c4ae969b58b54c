#pragma once

#include "support/fake_host.h"

#include <string>

struct Tutor;

// Reads a session file into a tutor in the middle of some work and tells what a learner
// would find wrong, or nothing: a file taken must leave only settings the program knows, at
// the start of a lesson page with nothing counted and nothing left to save; a file refused
// must say READ FILE ERROR once, beep once and change nothing. Tells the first fault found.
std::string ReadSessionAndCheck(Tutor& tutor, FakeHost& host, const std::string& path);
