#pragma once

#include <functional>
#include <memory>

#include "framework/core/Object.h"

namespace fw {

class RectControl;

// A method bound to its target object. The delegate holds the target weakly, so a binding
// never keeps a window alive; while the method runs, the target is held strongly, so that
// closing the window from inside the method cannot destroy it.
class Delegate {
public:
    using Method = std::function<void(Object& target, Object& argument)>;

    Delegate(std::weak_ptr<Object> target, Method method);

    // Calls the method with the target and `argument`; raises NilObjectException and
    // calls nothing when the target is gone.
    void Invoke(Object& argument) const;

private:
    std::weak_ptr<Object> target_;
    Method method_;
};

// A delegate for `method` of `target`, found through the target's virtual table when it
// is invoked.
template <class Target, class Argument>
std::shared_ptr<Delegate> RuntimeCreateDelegate(Target& target, void (Target::*method)(Argument&)) {
    return std::make_shared<Delegate>(target.weak_from_this(), [method](Object& self, Object& argument) {
        auto* cast = dynamic_cast<Argument*>(&argument);
        if (!cast) throw IllegalCastException();
        (static_cast<Target&>(self).*method)(*cast);
    });
}

// Binds the control's event of that number to the delegate.
void RuntimeAddEventHandler(RectControl& control, int eventNumber, std::shared_ptr<Delegate> delegate);

}  // namespace fw
