#pragma once
// A control array: controls of one kind under one name, each with its own index,
// which need not be contiguous (lbl with 0..7, 25 and 26). design() creates the
// elements with add(i) and places them; the array's events carry the index:
//
//     cmd.onClick = [this](int index) { cmd_Click(index); };       // constructor
//     for (int i = 0; i < 400; ++i) {                               // design()
//         place(cmd.add(i), {120 + 600 * (i % 25), 1080 + 600 * (i / 25), 615, 615});
//         cmd(i).setTag("0");
//     }
//
// Elements live as long as the array (across unloads), so references to them stay valid.
#include <QDebug>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace platform {

template <class T>
class ControlArray {
public:
    ControlArray() = default;
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    // The element with this index, created on first use.
    T& add(int index) {
        auto& slot = elements_[index];
        if (!slot) {
            slot = std::make_unique<T>();
            wire(*slot, index);
        }
        return *slot;
    }

    // The element with this index. An index the array does not hold gives a
    // stand-in that belongs to no window (writing to it changes nothing shown),
    // so a wrong index never crashes; contains() tells.
    T& operator()(int index) {
        const auto it = elements_.find(index);
        if (it != elements_.end()) return *it->second;
        qWarning("control array has no element %d", index);
        if (!standIn_) standIn_ = std::make_unique<T>();
        return *standIn_;
    }
    const T& operator()(int index) const { return const_cast<ControlArray&>(*this)(index); }

    bool contains(int index) const { return elements_.count(index) != 0; }
    int count() const { return static_cast<int>(elements_.size()); }
    std::vector<int> indices() const {
        std::vector<int> all;
        for (const auto& element : elements_) all.push_back(element.first);
        return all;
    }

    std::function<void(int index)> onClick;
    std::function<void(int index)> onDblClick;
    std::function<void(int index)> onChange;
    std::function<void(int index)> onTimer;
    std::function<void(int index, int button, int shift, double x, double y)> onMouseDown;
    std::function<void(int index, int button, int shift, double x, double y)> onMouseUp;
    std::function<void(int index, int& keyAscii)> onKeyPress;

private:
    void wire(T& element, int index) {
        if constexpr (requires(T& t) { t.onClick; })
            element.onClick = [this, index] { if (onClick) onClick(index); };
        if constexpr (requires(T& t) { t.onDblClick; })
            element.onDblClick = [this, index] { if (onDblClick) onDblClick(index); };
        if constexpr (requires(T& t) { t.onChange; })
            element.onChange = [this, index] { if (onChange) onChange(index); };
        if constexpr (requires(T& t) { t.onTimer; })
            element.onTimer = [this, index] { if (onTimer) onTimer(index); };
        if constexpr (requires(T& t) { t.onMouseDown; })
            element.onMouseDown = [this, index](int button, int shift, double x, double y) {
                if (onMouseDown) onMouseDown(index, button, shift, x, y);
            };
        if constexpr (requires(T& t) { t.onMouseUp; })
            element.onMouseUp = [this, index](int button, int shift, double x, double y) {
                if (onMouseUp) onMouseUp(index, button, shift, x, y);
            };
        if constexpr (requires(T& t) { t.onKeyPress; })
            element.onKeyPress = [this, index](int& keyAscii) { if (onKeyPress) onKeyPress(index, keyAscii); };
    }

    std::map<int, std::unique_ptr<T>> elements_;
    std::unique_ptr<T> standIn_;
};

}  // namespace platform
