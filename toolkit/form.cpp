// SPDX-License-Identifier: GPL-3.0-or-later
#include "form.h"

#include "error.h"

#include <map>
#include <string>

namespace toolkit {

struct FormControls::Arrays
{
    template <class Control>
    using ByName = std::map<std::string, std::unique_ptr<ControlArray<Control>>, std::less<>>;

    ByName<ListBox> listBoxes;
    ByName<OptionButton> optionButtons;
    ByName<TextBox> textBoxes;
};

namespace {

template <class Map>
auto &find(const Map &arrays, std::string_view name, std::string_view kind)
{
    const auto found = arrays.find(name);
    if (found == arrays.end())
        throw Error(std::string(name), "the form has no " + std::string(kind) + " of that name");
    return *found->second;
}

template <class Control>
void insert(auto &arrays, std::string_view name, std::int16_t index, Control &control)
{
    auto found = arrays.find(name);
    if (found == arrays.end())
        found = arrays
                    .emplace(std::string(name),
                             std::make_unique<ControlArray<Control>>(std::string(name)))
                    .first;
    found->second->add(index, control);
}

} // namespace

FormControls::FormControls() : m_arrays(std::make_unique<Arrays>()) {}
FormControls::~FormControls() = default;

ControlArray<ListBox> &FormControls::listBoxes(std::string_view name) const
{
    return find(m_arrays->listBoxes, name, "list box");
}

ControlArray<OptionButton> &FormControls::optionButtons(std::string_view name) const
{
    return find(m_arrays->optionButtons, name, "option button");
}

ControlArray<TextBox> &FormControls::textBoxes(std::string_view name) const
{
    return find(m_arrays->textBoxes, name, "text box");
}

void FormControls::add(std::string_view name, std::int16_t index, ListBox &control)
{
    insert(m_arrays->listBoxes, name, index, control);
}

void FormControls::add(std::string_view name, std::int16_t index, OptionButton &control)
{
    insert(m_arrays->optionButtons, name, index, control);
}

void FormControls::add(std::string_view name, std::int16_t index, TextBox &control)
{
    insert(m_arrays->textBoxes, name, index, control);
}

std::string_view eventName(Event event)
{
    static constexpr std::array<std::string_view, kEventCount> names = {
        "Click",   "DblClick",  "GotFocus", "LostFocus", "KeyDown",     "KeyPress",
        "KeyUp",   "MouseDown", "MouseMove", "MouseUp",  "Change",      "Load",
        "Activate", "Resize",   "Paint",    "QueryUnload", "Unload",    "Terminate",
    };
    return names[static_cast<std::size_t>(event)];
}

} // namespace toolkit
