// A window carrying windowless controls: messages go to its manager
// first, what the manager leaves goes to the control base.
#pragma once

#include "ui/controls/control_win.h"
#include "ui/windowless/manager_win.h"

namespace dravolt::windowless {

class CDUIHost : public controls::CControl {
public:
    CDUIManager& Manager() { return manager_; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        LRESULT result = 0;
        if (manager_.HandleMessage(message, wParam, lParam, result))
            return result;
        return CControl::WindowProc(message, wParam, lParam);
    }

    CDUIManager manager_;
};

}  // namespace dravolt::windowless
