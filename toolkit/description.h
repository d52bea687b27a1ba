// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace toolkit {

// The stored description of a form, from which the toolkit creates the window
// and its controls. Places and sizes are in twips (1/1440 inch) relative to
// the parent; 15 twips make one device-independent pixel.

struct Rgb
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(Rgb, Rgb) = default;
};

enum class ControlKind : std::uint8_t { ListBox, Frame, OptionButton, TextBox, Label };

struct ControlDescription
{
    ControlKind kind = ControlKind::Label;
    std::string_view name{};
    // Member index within the control array; -1 for a single control.
    std::int16_t index = -1;
    // Name of the parent frame; empty for a control that stands on the form.
    std::string_view parent{};
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = true;
    int tabIndex = 0;
    // Caption of a frame, option button or label; initial text of a text box.
    std::string_view text{};
    // Initial entries of a list box, in their order.
    std::span<const std::string_view> entries{};
    // Unset: the system's default colour.
    std::optional<Rgb> backColour{};

    // Text boxes.
    bool multiLine = false;
    bool verticalScrollBar = false;
    // The user can scroll, select and copy, but not change the text.
    bool locked = false;
    // List boxes.
    bool sorted = false;
    // Labels.
    bool centred = false;
    // Labels: the control that the label names, for assistive technology.
    std::string_view buddy{};
    std::int16_t buddyIndex = -1;
    // The name by which assistive technology announces a control that has
    // neither a caption nor a label.
    std::string_view accessibleName{};
};

struct FontDescription
{
    std::string_view family{};
    int points = 0;
    int charset = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

struct FormDescription
{
    std::string_view name{};
    std::string_view caption{};
    int clientWidth = 0;
    int clientHeight = 0;
    Rgb backColour{};
    FontDescription font{};
    // The icon as XPM lines.
    std::span<const char *const> icon{};
    // In creation order.
    std::span<const ControlDescription> controls{};
};

constexpr int kTwipsPerPixel = 15;

} // namespace toolkit
