// The About box's link label: as any link label, but a click on the
// support address opens a mail link with the address percent-encoded.
#pragma once

#include "ui/controls/panels_win.h"

namespace dravolt::about {

class CFeedbackLinkLabel : public controls::CLinkLabel {
public:
    std::wstring ClickTarget() const override;
};

}  // namespace dravolt::about
