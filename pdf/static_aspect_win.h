// The options dialog's aspect picture: an owner-drawn static showing the
// skin image of a landscape or a portrait page, turned about the centre of
// the place the template gave it.
#pragma once

#include "framework/window_win.h"
#include "pdf/aspect_picture.h"

namespace dravolt {

class CStaticAspect : public CWindow {
public:
    bool IsLandscape() const { return landscape_; }
    void SetLandscape(bool landscape);

protected:
    void OnAttached() override;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Draw(const DRAWITEMSTRUCT& item) const;

    PictureRect place_;  // in the parent's client coordinates, as attached
    bool landscape_ = false;
};

}  // namespace dravolt
