#include "framework/ui/Delegate.h"

#include "framework/ui/RectControl.h"

namespace fw {

Delegate::Delegate(std::weak_ptr<Object> target, Method method)
    : target_(std::move(target)), method_(std::move(method)) {}

void Delegate::Invoke(Object& argument) const {
    const std::shared_ptr<Object> target = target_.lock();
    if (!target) RaiseNilObjectException();
    method_(*target, argument);
}

void RuntimeAddEventHandler(RectControl& control, int eventNumber, std::shared_ptr<Delegate> delegate) {
    control.AddEventHandler(eventNumber, std::move(delegate));
}

}  // namespace fw
