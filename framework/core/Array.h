#pragma once

#include <deque>
#include <memory>

#include "framework/core/Exceptions.h"

namespace fw {

// A one-dimensional array indexed from 0. Its size is told by the upper bound, -1 when
// it is empty. A deque keeps growth cheap: appending never moves the entries already there.
template <class T>
class Array {
public:
    explicit Array(int upperBound) : items_(static_cast<std::size_t>(upperBound + 1)) {}

    int Ubound() const { return static_cast<int>(items_.size()) - 1; }

    const T& operator()(int index) const { return items_[Position(index)]; }
    void Store(int index, const T& value) { items_[Position(index)] = value; }
    void Store(int index, T&& value) { items_[Position(index)] = std::move(value); }

    // Inserts before `index`; an index of Ubound() + 1 appends.
    void Insert(int index, const T& value) { Insert(index, T(value)); }
    void Insert(int index, T&& value) {
        const auto size = static_cast<int>(items_.size());
        if (index < 0 || index > size) throw OutOfBoundsException();
        // Appending is what the loader does for every line, and the cheapest way in.
        if (index == size) {
            items_.push_back(std::move(value));
        } else {
            items_.insert(items_.begin() + index, std::move(value));
        }
    }

private:
    std::size_t Position(int index) const {
        if (index < 0 || index > Ubound()) throw OutOfBoundsException();
        return static_cast<std::size_t>(index);
    }

    std::deque<T> items_;
};

template <class T>
std::shared_ptr<Array<T>> CreateArray(int upperBound) {
    return std::make_shared<Array<T>>(upperBound);
}

}  // namespace fw
