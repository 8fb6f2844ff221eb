// The driver's step language: each step has a name, a fixed number of
// arguments and a body that waits (boundedly) for what it expects and fails
// the run with a clear message otherwise.
#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "tools/e2e/e2e_session_win.h"

namespace e2e {

using StepArgs = std::span<const std::wstring>;

// A step whose argument count is this takes the words up to the next "end".
constexpr std::size_t kUntilEnd = static_cast<std::size_t>(-1);

struct StepDef {
    const wchar_t* name;
    std::size_t argCount;  // or kUntilEnd
    void (*run)(Session& session, StepArgs args);
};

// launch, window, dialog, message, back, text, icon, close, quiet, sleep, exit
std::span<const StepDef> ProgramSteps();
// press, click, check, settext, shows, choose, select, rows, remember, files,
// pane, key, command, toolbar
std::span<const StepDef> ControlSteps();
// resize, maximize, capture, controls
std::span<const StepDef> ScreenSteps();
// drop
std::span<const StepDef> DropSteps();

// A whole number argument, or a failed run naming the step.
unsigned long NumberArgument(Session& session, const std::wstring& text, const wchar_t* step);

}  // namespace e2e
