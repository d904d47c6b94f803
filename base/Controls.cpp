#include "base/Controls.h"

#include "base/TextLines.h"

#include <algorithm>

namespace burgeon {

void ControlModel::setCaption(std::string caption) {
    if (caption != caption_) {
        caption_ = std::move(caption);
        views.notify();
    }
}

void ControlModel::setVisible(bool visible) {
    if (visible != visible_) {
        visible_ = visible;
        views.notify();
    }
}

RangeControl::RangeControl(int minimum, int maximum, int position)
    : minimum_(minimum), maximum_(std::max(minimum, maximum)),
      position_(std::clamp(position, minimum_, maximum_)) {}

void RangeControl::setPosition(int position) {
    const int clamped = std::clamp(position, minimum_, maximum_);
    if (clamped == position_) {
        return;
    }
    position_ = clamped;
    views.notify();
    if (onChange) {
        onChange();
    }
}

void RangeControl::showPosition(int position) {
    const int clamped = std::clamp(position, minimum_, maximum_);
    if (clamped != position_) {
        position_ = clamped;
        views.notify();
    }
}

void RangeControl::setMaximum(int maximum) {
    maximum_ = maximum;
    minimum_ = std::min(minimum_, maximum_);
    views.notify();
    setPosition(position_);
}

void TextControl::setText(std::string text) {
    if (text == text_) {
        return;
    }
    text_ = std::move(text);
    views.notify();
    if (onChange) {
        onChange();
    }
}

std::vector<std::string> TextControl::lines() const {
    return splitLines(text_);
}

void TextControl::setLines(const std::vector<std::string>& lines) {
    setText(joinLines(lines));
}

void TextControl::setTextColor(RgbColor color) {
    if (!(color == textColor_)) {
        textColor_ = color;
        views.notify();
    }
}

void CheckControl::setChecked(bool checked) {
    if (checked == checked_) {
        return;
    }
    checked_ = checked;
    views.notify();
    if (onChange) {
        onChange();
    }
}

ChoiceControl::ChoiceControl(std::string caption, std::vector<std::string> items, int itemIndex,
                             std::string text)
    : ControlModel(std::move(caption)), items_(std::move(items)), itemIndex_(itemIndex),
      text_(std::move(text)) {
    if (text_.empty() && itemIndex_ >= 0 && itemIndex_ < static_cast<int>(items_.size())) {
        text_ = items_[static_cast<std::size_t>(itemIndex_)];
    }
}

void ChoiceControl::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    itemIndex_ = -1;
    views.notify();
}

void ChoiceControl::addItem(std::string item) {
    items_.push_back(std::move(item));
    views.notify();
}

void ChoiceControl::clearItems() {
    setItems({});
}

void ChoiceControl::choose(int itemIndex) {
    setItemIndex(itemIndex);
    if (onChange) {
        onChange();
    }
}

void ChoiceControl::typeText(std::string text) {
    itemIndex_ = -1;
    text_ = std::move(text);
    views.notify();
    if (onChange) {
        onChange();
    }
}

void ChoiceControl::setItemIndex(int itemIndex) {
    if (itemIndex < 0 || itemIndex >= static_cast<int>(items_.size())) {
        itemIndex_ = -1;
    } else {
        itemIndex_ = itemIndex;
        text_ = items_[static_cast<std::size_t>(itemIndex)];
    }
    views.notify();
}

void ChoiceControl::setText(std::string text) {
    text_ = std::move(text);
    views.notify();
}

} // namespace burgeon
