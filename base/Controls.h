#pragma once

#include "base/UserInterface.h"

#include <functional>
#include <string>
#include <vector>

namespace burgeon {

// View notifications: a Qt view subscribes to refresh itself whenever its model changes,
// whoever changed it. Distinct from a control's change handler, which is behaviour.
class Observers {
public:
    void subscribe(std::function<void()> observer) { observers_.push_back(std::move(observer)); }
    void notify() const {
        for (const auto& observer : observers_) {
            observer();
        }
    }

private:
    std::vector<std::function<void()>> observers_;
};

// What every control has: a caption, a visibility, and its views. Page models wire handlers
// that capture the page, so controls are neither copied nor moved.
class ControlModel {
public:
    ControlModel() = default;
    explicit ControlModel(std::string caption) : caption_(std::move(caption)) {}
    ControlModel(const ControlModel&) = delete;
    ControlModel& operator=(const ControlModel&) = delete;

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool visible() const { return visible_; }
    void setVisible(bool visible);

    Observers views;

private:
    std::string caption_;
    bool visible_ = true;
};

// A slider, scroll bar, spin box, up/down count, progress bar or gauge: an integer position in
// an inclusive range. Setting it from code clamps to the range and runs onChange only when the
// position really changes; changing the range clamps the position the same way.
class RangeControl : public ControlModel {
public:
    RangeControl(int minimum, int maximum, int position);

    int position() const { return position_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

    void setPosition(int position);
    // Moves to a position (clamped) without running the change handler: a page shows a value
    // its model already holds.
    void showPosition(int position);
    void setMaximum(int maximum);
    // Moves by delta within the range (the nudge buttons, the arrows).
    void step(int delta) { setPosition(position_ + delta); }

    std::function<void()> onChange;

private:
    int minimum_;
    int maximum_;
    int position_;
};

// A one-line edit box, a multi-line text box or pane, or the text of a combo box. onChange
// runs on every change of the text, from the user or from code.
class TextControl : public ControlModel {
public:
    TextControl() = default;
    explicit TextControl(std::string text) : text_(std::move(text)) {}

    const std::string& text() const { return text_; }
    void setText(std::string text);

    // Line access, with lines as an editor shows them.
    std::vector<std::string> lines() const;
    void setLines(const std::vector<std::string>& lines);
    int lineCount() const { return static_cast<int>(lines().size()); }

    RgbColor textColor() const { return textColor_; }
    void setTextColor(RgbColor color);

    std::function<void()> onChange;

private:
    std::string text_;
    RgbColor textColor_{};
};

// A check box or radio button. setChecked runs onChange only when the state changes.
class CheckControl : public ControlModel {
public:
    explicit CheckControl(std::string caption, bool checked = false)
        : ControlModel(std::move(caption)), checked_(checked) {}

    bool checked() const { return checked_; }
    void setChecked(bool checked);

    std::function<void()> onChange;

private:
    bool checked_;
};

// A radio group or a drop-down list: items, the chosen index (-1 = none) and the shown text.
class ChoiceControl : public ControlModel {
public:
    ChoiceControl() = default;
    ChoiceControl(std::string caption, std::vector<std::string> items, int itemIndex,
                  std::string text = {});

    const std::vector<std::string>& items() const { return items_; }
    void setItems(std::vector<std::string> items);
    void addItem(std::string item);
    void clearItems();

    int itemIndex() const { return itemIndex_; }
    const std::string& text() const { return text_; }

    // The user picks an item (or types a text that is no item): runs onChange.
    void choose(int itemIndex);
    void typeText(std::string text);
    // Code sets the choice or the text: no handler runs.
    void setItemIndex(int itemIndex);
    void setText(std::string text);

    std::function<void()> onChange;

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
    std::string text_;
};

} // namespace burgeon
