#include "app/gdiplus_session_win.h"

#include <gdiplus.h>

#include <memory>

namespace dravolt {

namespace {
std::unique_ptr<ULONG_PTR> g_token;  // held from start-up to shutdown
}

void CGdiplusSession::Start()
{
    if (g_token)
        return;
    auto token = std::make_unique<ULONG_PTR>(0);
    Gdiplus::GdiplusStartupInput input;  // version 1, no debug callback
    if (Gdiplus::GdiplusStartup(token.get(), &input, nullptr) == Gdiplus::Ok)
        g_token = std::move(token);
}

void CGdiplusSession::Shutdown()
{
    if (!g_token)
        return;
    Gdiplus::GdiplusShutdown(*g_token);
    g_token.reset();
}

bool CGdiplusSession::Running() { return g_token != nullptr; }

}  // namespace dravolt
