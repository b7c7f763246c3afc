#pragma once

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "formkit/Form.h"

namespace quintara::ui {

// Elements sharing one name, told apart by an index, grown at run time from the design element.
//
// The design element is index 0 and is made with the array: `ControlArray<Label> lblBall{this, "lblBall",
// "Ball", Geometry{...}}` passes the arguments after the name to Label's constructor. Load(i) makes
// element i as a copy of the design element, every state field included (visible too), and places it
// after the array's lower elements in the form's order (for a menu array: in the menu).
template <class T>
class ControlArray {
public:
    template <class... Args>
    ControlArray(Form* owner, std::string name, Args&&... designArgs) : m_owner(owner), m_name(name) {
        Adopt(0, std::make_unique<T>(owner, std::move(name), std::forward<Args>(designArgs)...));
    }
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    // Throws std::invalid_argument when the element exists already.
    T& Load(int index) {
        if (Exists(index)) {
            throw std::invalid_argument(m_name + "(" + std::to_string(index) + ") is already loaded");
        }
        auto element = std::unique_ptr<T>(new T(*m_elements.at(0), CloneTag{}));
        T& result = *element;
        Adopt(index, std::move(element));
        m_owner->PlaceAfter(&result, Anchor(index));
        return result;
    }

    // Removes an element made by Load; the design element stays (std::invalid_argument).
    void Unload(int index) {
        if (index == 0) {
            throw std::invalid_argument(m_name + "(0) is the design element and cannot be unloaded");
        }
        if (m_elements.erase(index) == 0) {
            throw std::out_of_range(m_name + "(" + std::to_string(index) + ") is not loaded");
        }
    }

    T& operator[](int index) const {
        auto found = m_elements.find(index);
        if (found == m_elements.end()) {
            throw std::out_of_range(m_name + "(" + std::to_string(index) + ") is not loaded");
        }
        return *found->second;
    }
    bool Exists(int index) const { return m_elements.contains(index); }
    int Count() const { return static_cast<int>(m_elements.size()); }
    int UBound() const { return m_elements.rbegin()->first; }
    std::vector<int> Indices() const {
        std::vector<int> indices;
        for (const auto& entry : m_elements) {
            indices.push_back(entry.first);
        }
        return indices;
    }
    const std::string& Name() const { return m_name; }

    // The reactions of every element, told which one raised them.
    std::function<void(int index)> onClick;
    std::function<void(int index)> onChange;
    std::function<void(int index, bool& cancel)> onValidate;

private:
    void Adopt(int index, std::unique_ptr<T> element) {
        element->m_index = index;
        element->onClick = [this, index] {
            if (onClick) {
                onClick(index);
            }
        };
        element->onChange = [this, index] {
            if (onChange) {
                onChange(index);
            }
        };
        element->onValidate = [this, index](bool& cancel) {
            if (onValidate) {
                onValidate(index, cancel);
            }
        };
        m_elements.emplace(index, std::move(element));
    }

    // The element the new one follows in the form: the array's element just below it, or whatever
    // precedes the array's lowest element.
    const Element* Anchor(int index) const {
        auto below = m_elements.lower_bound(index);
        if (below != m_elements.begin()) {
            return std::prev(below)->second.get();
        }
        const auto& all = m_owner->Elements();
        const Element* lowest = std::next(below)->second.get();
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (all[i] == lowest) {
                return i == 0 ? nullptr : all[i - 1];
            }
        }
        return nullptr;
    }

    Form* m_owner;
    std::string m_name;
    std::map<int, std::unique_ptr<T>> m_elements;
};

}  // namespace quintara::ui
