// The command table of a window: WM_COMMAND and WM_NOTIFY routed from a
// control or menu identifier (and notification code) to a small handler, in
// place of a long switch. Handlers usually capture their window; the table is
// a member of that window, so they die with it.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

namespace dravolt {

class CCommandTable {
public:
    using Handler = std::function<void()>;
    using RangeHandler = std::function<void(UINT id)>;
    using NotifyHandler = std::function<LRESULT(NMHDR&)>;

    // A menu item, accelerator or button click (notification code 0 or 1).
    void On(UINT id, Handler handler) { On(id, BN_CLICKED, std::move(handler)); }
    // A control notification, such as EN_CHANGE or LBN_SELCHANGE.
    void On(UINT id, WORD code, Handler handler);
    // Menu items or clicks of a block of identifiers, first..last inclusive.
    void OnRange(UINT first, UINT last, RangeHandler handler);
    // A WM_NOTIFY notification from the control with this identifier.
    void OnNotify(UINT id, UINT code, NotifyHandler handler);

    // Runs the handler of a WM_COMMAND; false when the table has none.
    // `control` is the message's lParam: the sending control, or 0 for a
    // menu item or accelerator.
    bool DispatchCommand(WPARAM wParam, LPARAM control = 0) const;
    // Runs the handler of a WM_NOTIFY, storing its answer in `result`.
    bool DispatchNotify(const NMHDR& header, LRESULT& result) const;

private:
    struct Command {
        UINT first, last;
        WORD code;
        RangeHandler handler;
    };
    struct Notify {
        UINT id, code;
        NotifyHandler handler;
    };
    bool RunCommand(UINT id, WORD code) const;

    std::vector<Command> commands_;
    std::vector<Notify> notifies_;
};

}  // namespace dravolt
