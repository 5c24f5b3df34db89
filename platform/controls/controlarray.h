#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

namespace platform {

// Controls of one kind sharing a name, told apart by an index: picSrc(0), picSrc(1).
template <class T>
class ControlArray {
public:
    template <class... Args>
    T& Load(int index, Args&&... args)
    {
        auto& slot = items_[index];
        slot = std::make_unique<T>(std::forward<Args>(args)...);
        slot->setIndex(index);
        return *slot;
    }

    // Throws std::out_of_range for an index that was never loaded.
    T& operator()(int index) const
    {
        const auto it = items_.find(index);
        if (it == items_.end())
            throw std::out_of_range("no control array element " + std::to_string(index));
        return *it->second;
    }

    int Count() const { return static_cast<int>(items_.size()); }

private:
    std::map<int, std::unique_ptr<T>> items_;
};

} // namespace platform
