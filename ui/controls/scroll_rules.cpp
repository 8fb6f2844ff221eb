// The scroll arithmetic of scroll_rules.h.
#include "ui/controls/scroll_rules.h"

namespace dravolt::controls {

int ScrolledPosition(int code, int position, int trackPosition, const ScrollAxis& axis)
{
    switch (code) {
    case sb::kLineUp: return position - axis.line;
    case sb::kLineDown: return position + axis.line;
    case sb::kPageUp: return position - axis.page;
    case sb::kPageDown: return position + axis.page;
    case sb::kThumbTrack: return trackPosition;
    case sb::kTop: return 0;
    case sb::kBottom: return axis.content;
    default: return position;  // end of scrolling, thumb released, unknown codes
    }
}

int WheelPosition(int position, int lineHeight, int wheelDirection)
{
    if (wheelDirection > 0)
        return position - lineHeight;
    if (wheelDirection < 0)
        return position + lineHeight;
    return position;
}

}  // namespace dravolt::controls
