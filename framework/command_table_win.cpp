#include "framework/command_table.h"

namespace dravolt {

void CCommandTable::On(UINT id, WORD code, Handler handler)
{
    commands_.push_back({id, id, code, [h = std::move(handler)](UINT) { h(); }});
}

void CCommandTable::OnRange(UINT first, UINT last, RangeHandler handler)
{
    commands_.push_back({first, last, BN_CLICKED, std::move(handler)});
}

void CCommandTable::OnNotify(UINT id, UINT code, NotifyHandler handler)
{
    notifies_.push_back({id, code, std::move(handler)});
}

bool CCommandTable::DispatchCommand(WPARAM wParam, LPARAM control) const
{
    const UINT id = LOWORD(wParam);
    const WORD code = HIWORD(wParam);
    if (RunCommand(id, code))
        return true;
    // Code 1 is an accelerator only when no control sent it; from a control
    // it is that control's own notification (CBN_SELCHANGE, LBN_SELCHANGE),
    // which must never pass for a click.
    return code == 1 && control == 0 && RunCommand(id, BN_CLICKED);
}

bool CCommandTable::RunCommand(UINT id, WORD code) const
{
    for (const Command& command : commands_) {
        if (id >= command.first && id <= command.last && code == command.code) {
            // A copy: the handler may change the table (or close the window).
            const RangeHandler handler = command.handler;
            handler(id);
            return true;
        }
    }
    return false;
}

bool CCommandTable::DispatchNotify(const NMHDR& header, LRESULT& result) const
{
    for (const Notify& notify : notifies_) {
        if (header.idFrom == notify.id && header.code == notify.code) {
            const NotifyHandler handler = notify.handler;
            result = handler(const_cast<NMHDR&>(header));
            return true;
        }
    }
    return false;
}

}  // namespace dravolt
