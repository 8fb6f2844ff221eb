#include "app/seh_guard_win.h"

#include <atomic>

namespace dravolt {

namespace {

struct GuardFrame {
    void* jump[5];  // __builtin_setjmp buffer
    GuardFilter filter;
    void* filterContext;
    GuardFrame* outer;
};

thread_local GuardFrame* t_innermostGuard = nullptr;
std::atomic<LastChanceHandler> g_lastChance{nullptr};
std::atomic<bool> g_filterInstalled{false};

// Where a handled crash resumes: a fresh call that jumps straight back into
// RunGuarded. The crashed frames are abandoned, not unwound.
[[noreturn]] void ResumeAfterGuard(GuardFrame* frame)
{
    __builtin_longjmp(frame->jump, 1);
}

// Rewrites the crashed thread's context so that continuing execution runs
// ResumeAfterGuard(frame) on the crashed thread's own stack, a little below
// the faulting frame (those pages are committed: the filter runs deeper).
void RedirectToGuard(CONTEXT& context, GuardFrame* frame)
{
#if defined(__x86_64__)
    context.Rsp = ((context.Rsp - 1024) & ~DWORD64{15}) - 8;  // as after a call
    context.Rcx = reinterpret_cast<DWORD64>(frame);
    context.Rip = reinterpret_cast<DWORD64>(&ResumeAfterGuard);
#else
#error "RedirectToGuard needs the calling convention of this processor"
#endif
}

LONG WINAPI UnhandledFilter(EXCEPTION_POINTERS* exception)
{
    const bool continuable = !(exception->ExceptionRecord->ExceptionFlags & EXCEPTION_NONCONTINUABLE);
    for (GuardFrame* frame = t_innermostGuard; frame; frame = frame->outer) {
        if (frame->filter(frame->filterContext, exception) != EXCEPTION_EXECUTE_HANDLER)
            continue;
        if (!continuable)
            break;  // cannot resume anywhere; let the process end
        t_innermostGuard = frame->outer;
        RedirectToGuard(*exception->ContextRecord, frame);
        return EXCEPTION_CONTINUE_EXECUTION;
    }
    const LastChanceHandler handler = g_lastChance.load();
    return handler ? handler(exception) : EXCEPTION_CONTINUE_SEARCH;
}

void EnsureFilterInstalled()
{
    if (!g_filterInstalled.exchange(true))
        SetUnhandledExceptionFilter(&UnhandledFilter);
}

}  // namespace

bool RunGuarded(void (*body)(void*), void* arg, GuardFilter filter, void* filterContext)
{
    EnsureFilterInstalled();
    GuardFrame frame{{}, filter, filterContext, t_innermostGuard};
    if (__builtin_setjmp(frame.jump) != 0)
        return false;  // a crash in the body was handled by this guard
    t_innermostGuard = &frame;
    body(arg);
    t_innermostGuard = frame.outer;
    return true;
}

bool InstallLastChanceHandler(LastChanceHandler handler)
{
    g_lastChance.store(handler);
    EnsureFilterInstalled();
    return true;
}

}  // namespace dravolt
