#pragma once

#include "runtime/Control.h"
#include "runtime/Form.h"
#include "runtime/Runtime.h"

#include <map>
#include <memory>
#include <stdexcept>
#include <string>

namespace tarvik {

// A control array: controls of one kind sharing a name, told apart by sparse indices, e.g.
// `btnClosedLoop(1..4)` or a menu item per board ID `bidmu(0..7)`. Elements are added in the
// form's constructor (design time) or later (they are then announced to the observers).
// The form wires each element's events with its index:
//   bidmu.each([this](int i, MenuItem& item) { item.onClick = [this, i] { bidmu_Click(i); }; });
template <class T>
class ControlArray {
public:
    ControlArray(Form* form, std::string name) : form_(*form), name_(std::move(name)) {}
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    template <class... Extra>
    T& add(int index, Design design = {}, Extra&&... extra)
    {
        if (index < 0) throw std::invalid_argument(name_ + ": negative index " + std::to_string(index));
        if (items_.contains(index)) throw std::invalid_argument(name_ + "(" + std::to_string(index) + ") exists already");
        auto element = std::make_unique<T>(&form_, name_, std::move(design), std::forward<Extra>(extra)...);
        T& added = *element;
        added.index_ = index;
        items_.emplace(index, std::move(element));
        if (form_.isLoaded()) form_.runtime().notifyAdded(added);
        return added;
    }

    // The element with this index; std::out_of_range when there is none.
    T& operator()(int index) const
    {
        auto it = items_.find(index);
        if (it == items_.end()) throw std::out_of_range(name_ + "(" + std::to_string(index) + ") does not exist");
        return *it->second;
    }
    T* find(int index) const
    {
        auto it = items_.find(index);
        return it == items_.end() ? nullptr : it->second.get();
    }
    bool contains(int index) const { return items_.contains(index); }
    int count() const { return static_cast<int>(items_.size()); }
    int ubound() const { return items_.empty() ? -1 : items_.rbegin()->first; }
    const std::string& name() const { return name_; }

    // Calls fn(index, element) for every element in ascending index order.
    template <class Fn>
    void each(Fn&& fn) const
    {
        for (const auto& [index, element] : items_) fn(index, *element);
    }

private:
    Form& form_;
    std::string name_;
    std::map<int, std::unique_ptr<T>> items_;
};

} // namespace tarvik
