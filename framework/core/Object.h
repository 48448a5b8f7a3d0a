#pragma once

#include <memory>

#include "framework/core/ClassRecord.h"
#include "framework/core/Exceptions.h"

namespace fw {

// The root of the framework's runtime objects. Objects are held by shared_ptr: a
// counted reference is a shared_ptr, a back reference a weak_ptr.
class Object : public std::enable_shared_from_this<Object> {
public:
    virtual ~Object() = default;
    virtual const ClassRecord& Record() const = 0;
};

// The object as an instance of T; nil stays nil, an object of another class raises
// IllegalCastException.
template <class T>
std::shared_ptr<T> RuntimeCheckCast(const std::shared_ptr<Object>& object) {
    if (!object) return nullptr;
    auto cast = std::dynamic_pointer_cast<T>(object);
    if (!cast) throw IllegalCastException();
    return cast;
}

}  // namespace fw
