// The About box's link label.
#include "ui/main/about/feedback_link_win.h"

#include "ui/main/about/feedback_mail.h"

namespace dravolt::about {

std::wstring CFeedbackLinkLabel::ClickTarget() const
{
    return AboutLinkTarget(ControlText().GetData(), Link());
}

}  // namespace dravolt::about
