#pragma once

// The state of a widget drawn from a four-cell image strip: 0 normal, 1 hover,
// 2 pressed, 3 disabled. A disabled widget always shows the disabled cell; after a
// release the normal cell shows until the pointer enters again.
namespace QStripState {

enum Event { LeftPress, LeftRelease, Enter, Leave, EnabledChange };

inline int next(int state, Event event, bool enabled)
{
    if (!enabled)
        return 3;
    switch (event) {
    case LeftPress:
        return 2;
    case LeftRelease:
        return state == 2 ? 0 : state;
    case Enter:
        return 1;
    case Leave:
        return state == 1 ? 0 : state;
    case EnabledChange:
        return 0;
    }
    return state;
}

} // namespace QStripState
