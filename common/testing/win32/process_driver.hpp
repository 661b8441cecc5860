#pragma once
// Drives a real Windows program from a test: starts it, reads each message box it shows
// (caption and text), presses a button, and waits for the program to end.
#include <windows.h>

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace karvelo::testing {

struct SeenBox {
    std::string caption;
    std::string text;
};

struct ProgramRun {
    bool started = false;
    bool ended = false;  // false when it was still running at the time limit (then killed)
    DWORD exitCode = 0;
    std::vector<SeenBox> boxes;
};

// Starts `commandLine` in `workingFolder` and answers every message box it shows with the
// next of `answers` (IDOK when they run out) until the program ends or `limitMs` passes.
ProgramRun runAndAnswer(const std::string& commandLine, const std::string& workingFolder,
                        std::deque<int> answers, DWORD limitMs = 60000);

// The visible message box (dialog) of the process, if it shows one now.
std::optional<HWND> findMessageBox(DWORD processId);
SeenBox readMessageBox(HWND box);
void pressButton(HWND box, int buttonId);

}  // namespace karvelo::testing
