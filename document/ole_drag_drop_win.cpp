#include "document/ole_drag_drop_win.h"

namespace dravolt {

// Forwards the OLE callbacks to the list until the list goes; the data
// object of the drag in progress is kept only between enter and leave/drop.
class COleDragAndDropAble::CTarget final : public CComObject<IDropTarget> {
public:
    explicit CTarget(COleDragAndDropAble& owner) : owner_(&owner) {}
    void Disconnect() { owner_ = nullptr; }

    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD, POINTL point, DWORD* effect) override
    {
        data_ = data;
        return Answer(effect, owner_ ? owner_->OnDragEnter(data, {point.x, point.y}) : DROPEFFECT_NONE);
    }
    HRESULT STDMETHODCALLTYPE DragOver(DWORD, POINTL point, DWORD* effect) override
    {
        return Answer(effect, owner_ ? owner_->OnDragOver({point.x, point.y}) : DROPEFFECT_NONE);
    }
    HRESULT STDMETHODCALLTYPE DragLeave() override
    {
        data_.Reset();
        if (owner_)
            owner_->OnDragLeave();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD, POINTL point, DWORD* effect) override
    {
        data_.Reset();
        return Answer(effect, owner_ ? owner_->OnDrop(data, {point.x, point.y}) : DROPEFFECT_NONE);
    }

private:
    ~CTarget() override = default;
    static HRESULT Answer(DWORD* effect, DWORD chosen)
    {
        if (!effect)
            return E_INVALIDARG;
        *effect = chosen;
        return S_OK;
    }

    COleDragAndDropAble* owner_;  // not owned; cleared when the list goes
    ComPtr<IDataObject> data_;
};

COleDragAndDropAble::COleDragAndDropAble()
{
    oleReady_ = SUCCEEDED(OleInitialize(nullptr));
    target_ = MakeComObject<CTarget>(*this);
}

COleDragAndDropAble::~COleDragAndDropAble()
{
    RevokeDropTarget();
    // OLE may still hold the target; it must not call back into a dead list.
    static_cast<CTarget*>(target_.Get())->Disconnect();
    target_.Reset();
    if (oleReady_)
        OleUninitialize();
}

bool COleDragAndDropAble::RegisterDropTarget(HWND window)
{
    if (registered_ || !oleReady_)
        return false;
    if (FAILED(RegisterDragDrop(window, target_.Get())))
        return false;
    registered_ = window;
    return true;
}

void COleDragAndDropAble::RevokeDropTarget()
{
    if (registered_ && IsWindow(registered_))
        RevokeDragDrop(registered_);
    registered_ = nullptr;
}

DWORD COleDragAndDropAble::StartDrag(IDataObject* data, DWORD allowed)
{
    const auto source = CMoveCursorDropSource::Make();
    DWORD effect = DROPEFFECT_NONE;
    if (DoDragDrop(data, source.Get(), allowed, &effect) != DRAGDROP_S_DROP)
        return DROPEFFECT_NONE;
    return effect;
}

}  // namespace dravolt
