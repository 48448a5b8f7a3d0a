#pragma once

#include <memory>
#include <vector>

#include "framework/core/Object.h"
#include "framework/core/String.h"

namespace fw {

// An entry of a menu: a menu itself when it has children, the separator when its text
// is "-". The tree is plain data; each window that shows it builds its own widgets.
class MenuItem : public Object {
public:
    static const ClassRecord& Lookup();
    const ClassRecord& Record() const override { return Lookup(); }

    // The default constructor: an empty entry, no text, no name, no children.
    virtual void Constructor() {}

    void SetName(const String& name) { name_ = name; }
    const String& Name() const { return name_; }
    void SetText(const String& text) { text_ = text; }
    const String& Text() const { return text_; }
    void SetAutoEnable(bool autoEnable) { autoEnable_ = autoEnable; }
    bool AutoEnable() const { return autoEnable_; }
    // A shortcut text such as "Cmd+Q"; empty for none.
    void SetKeyboardShortcut(const String& shortcut) { keyboardShortcut_ = shortcut; }
    const String& KeyboardShortcut() const { return keyboardShortcut_; }

    // Makes the item the last child.
    virtual void Append(std::shared_ptr<MenuItem> item);
    virtual int Count() const { return static_cast<int>(children_.size()); }
    virtual std::shared_ptr<MenuItem> Item(int index) const;
    // The child of that name, nil when there is none.
    virtual std::shared_ptr<MenuItem> Child(const String& name) const;
    // The descendant of that name, searched depth first; nil when there is none.
    virtual std::shared_ptr<MenuItem> _Lookup(const String& name) const;

    // The Action event, when the user chooses the entry; true when it was handled.
    virtual bool Event_Action() { return false; }

private:
    String name_, text_, keyboardShortcut_;
    bool autoEnable_ = true;
    std::vector<std::shared_ptr<MenuItem>> children_;
};

}  // namespace fw
