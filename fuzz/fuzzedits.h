#pragma once

#include <functional>

class FuzzInput;
class Settings;

// Applies the rest of the input to the store's objects as a script of
// renames and property edits, as a user's dialogs would make them, so that
// the save encodes names and values the file did not hold. It never adds an
// object, which the single-record target relies on to reset its images.
// afterEach runs after every edit, as the end of a user's action would.
void applyFuzzEdits(Settings &settings, FuzzInput &input, const std::function<void()> &afterEach = {});
