#include "framework/data_exchange_win.h"

#include <optional>

#include "framework/application_win.h"
#include "framework/number_text.h"
#include "framework/window_win.h"

namespace dravolt {

namespace {

std::wstring ControlText(HWND control)
{
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

template <typename T, typename Parse, typename Format>
void ExchangeNumber(CDataExchange& exchange, int id, T& value, Parse parse, Format format)
{
    if (!exchange.Active())
        return;
    exchange.SetLastControl(id);
    const HWND control = GetDlgItem(exchange.Dialog(), id);
    if (!exchange.Saving()) {
        SetWindowTextW(control, format(value).c_str());
        return;
    }
    const std::optional<T> parsed = parse(ControlText(control));
    if (!parsed) {
        exchange.Fail(kPromptNotANumber);
        return;
    }
    value = *parsed;
}

}  // namespace

void CDataExchange::Fail(const std::wstring& prompt)
{
    failed_ = true;
    FrameworkMessageBox(dialog_, prompt, MB_OK | MB_ICONEXCLAMATION);
    const HWND control = GetDlgItem(dialog_, lastControl_);
    if (!control)
        return;
    SetFocus(control);
    SendMessageW(control, EM_SETSEL, 0, -1);  // ignored by controls that are not edits
}

void ExchangeText(CDataExchange& exchange, int id, std::wstring& value)
{
    if (!exchange.Active())
        return;
    exchange.SetLastControl(id);
    const HWND control = GetDlgItem(exchange.Dialog(), id);
    if (exchange.Saving())
        value = ControlText(control);
    else
        SetWindowTextW(control, value.c_str());
}

void ExchangeFloat(CDataExchange& exchange, int id, float& value)
{
    ExchangeNumber(exchange, id, value, ParseFloatField, FormatFloatField);
}

void ExchangeDouble(CDataExchange& exchange, int id, double& value)
{
    ExchangeNumber(exchange, id, value, ParseDoubleField, FormatDoubleField);
}

void ValidateRange(CDataExchange& exchange, float value, float minimum, float maximum)
{
    if (exchange.Active() && exchange.Saving() && !InRange(value, minimum, maximum))
        exchange.Fail(FloatRangePrompt(minimum, maximum));
}

void ValidateRange(CDataExchange& exchange, double value, double minimum, double maximum)
{
    if (exchange.Active() && exchange.Saving() && !InRange(value, minimum, maximum))
        exchange.Fail(DoubleRangePrompt(minimum, maximum));
}

void ExchangeRadio(CDataExchange& exchange, int firstId, int& index)
{
    if (!exchange.Active())
        return;
    exchange.SetLastControl(firstId);
    const HWND first = GetDlgItem(exchange.Dialog(), firstId);
    int position = 0;
    if (exchange.Saving())
        index = -1;
    // The group runs from its first button to the next control with WS_GROUP.
    for (HWND button = first; button; button = GetWindow(button, GW_HWNDNEXT), ++position) {
        if (button != first && (GetWindowLongPtrW(button, GWL_STYLE) & WS_GROUP))
            break;
        if (exchange.Saving()) {
            if (SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED) {
                index = position;
                return;
            }
        } else {
            SendMessageW(button, BM_SETCHECK, position == index ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
}

void ExchangeCheck(CDataExchange& exchange, int id, int& state)
{
    if (!exchange.Active())
        return;
    exchange.SetLastControl(id);
    const HWND control = GetDlgItem(exchange.Dialog(), id);
    if (exchange.Saving())
        state = static_cast<int>(SendMessageW(control, BM_GETCHECK, 0, 0));
    else
        SendMessageW(control, BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

void ExchangeControl(CDataExchange& exchange, int id, CWindow& control)
{
    if (!control.Handle())
        control.AttachDlgItem(exchange.Dialog(), id);
}

}  // namespace dravolt
