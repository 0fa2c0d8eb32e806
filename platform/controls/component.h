#pragma once
// The base of the controls without a place on the window's surface (timer,
// common dialog, multimedia control). Form::place(component) in design() binds
// it to the loaded form with its default properties.
namespace platform {

class Form;

class Component {
public:
    virtual ~Component() = default;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    Form* form() const { return form_; }
    bool isPlaced() const { return form_ != nullptr; }

protected:
    Component() = default;
    // Properties back to their defaults.
    virtual void reset() = 0;
    virtual void attach(Form& form) {
        reset();
        form_ = &form;
    }
    virtual void detach() { form_ = nullptr; }

private:
    friend class Form;
    Form* form_ = nullptr;
};

}  // namespace platform
