#pragma once

// The Qt side of a control; only the framework's user-interface part includes this.

#include <QPointer>
#include <QWidget>

namespace fw {

// The window's widget owns the control's widget, which so goes with its window.
struct ControlPeer {
    QPointer<QWidget> widget;

    template <class W>
    W* As() const {
        return static_cast<W*>(widget.data());
    }
};

}  // namespace fw
