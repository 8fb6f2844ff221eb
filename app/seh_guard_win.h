// Guards against structured (hardware) exceptions such as access violations.
// g++ has no __try/__except, so a guarded call registers itself per thread,
// and the process's unhandled-exception filter offers each crash first to the
// innermost guard of the crashing thread, then outwards, then to the
// program's last-chance handler. Exceptions handled by inner code never
// reach a guard, exactly as with frame-based handlers.
#pragma once

#include <windows.h>

#include <utility>

namespace dravolt {

// Decides what becomes of a crash inside a guarded call:
// EXCEPTION_EXECUTE_HANDLER ends the guarded call (RunGuarded returns false),
// EXCEPTION_CONTINUE_SEARCH passes the crash on to outer guards and finally
// to the last-chance handler.
using GuardFilter = LONG (*)(void* context, EXCEPTION_POINTERS* exception);

// Runs body(arg) under a guard. True when the body returned normally.
// Objects living in the body's frames are not destroyed when a crash ends it.
bool RunGuarded(void (*body)(void*), void* arg, GuardFilter filter, void* filterContext);

template <typename Body>
bool RunGuarded(Body&& body, GuardFilter filter, void* filterContext)
{
    auto trampoline = [](void* arg) { (*static_cast<std::remove_reference_t<Body>*>(arg))(); };
    return RunGuarded(trampoline, &body, filter, filterContext);
}

// The handler for crashes no guard took; its result is that of the process's
// unhandled-exception filter (EXCEPTION_EXECUTE_HANDLER ends the process).
using LastChanceHandler = LONG (*)(EXCEPTION_POINTERS* exception);

// Installs the process's unhandled-exception filter (once) and sets the
// handler it calls for crashes outside any guard. True when installed.
bool InstallLastChanceHandler(LastChanceHandler handler);

}  // namespace dravolt
