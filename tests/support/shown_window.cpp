// SPDX-License-Identifier: GPL-3.0-or-later
#include "shown_window.h"

#include "expected.h"
#include "korvandel_inspector.h"
#include "window/binding.h"

using relation::KorvandelInspector;

ShownWindow::ShownWindow() : ShownWindow(window::korvandelClass()) {}

ShownWindow::ShownWindow(const toolkit::FormClass &formClass) : form(formClass)
{
    form.setObserver([this](const toolkit::Dispatch &dispatch) {
        if (dispatch.phase == toolkit::Dispatch::Phase::Enter) {
            HandlerCall call;
            call.control = toolkit::memberName(dispatch.control, dispatch.index);
            call.clickSourceAtEntry = ClickSource();
            call.writesAtEntry = writes();
            call.textAtEntry = report().text();
            call.depth = static_cast<int>(m_open.size());
            m_open.push_back(calls.size());
            calls.push_back(std::move(call));
        } else {
            calls[m_open.back()].writesAtLeave = writes();
            m_open.pop_back();
        }
    });
    form.show();
}

toolkit::ListBox &ShownWindow::names() const
{
    return form.controls().listBoxes("List1")(0);
}

toolkit::ListBox &ShownWindow::codes() const
{
    return form.controls().listBoxes("List1")(1);
}

toolkit::OptionButton &ShownWindow::option(std::int16_t river) const
{
    return form.controls().optionButtons("Option1")(river);
}

toolkit::TextBox &ShownWindow::report() const
{
    return form.controls().textBoxes("Text1")(0);
}

std::int16_t ShownWindow::selectedRiver() const
{
    std::int16_t selected = -1;
    for (std::int16_t river = 0; river < 8; ++river)
        if (option(river).isSelected()) {
            if (selected != -1)
                return -2;
            selected = river;
        }
    return selected;
}

std::string ShownWindow::nameOf(std::int16_t settlement) const
{
    return names().entry(settlement);
}

std::string ShownWindow::expectedReport(std::int16_t river) const
{
    return expected::report(expected::rivers()[static_cast<std::size_t>(river)],
                            [this](std::int16_t s) { return nameOf(s); });
}

void ShownWindow::ShowRelation(toolkit::Value river, toolkit::Value settlement)
{
    KorvandelInspector::ShowRelation(form.form(), river, settlement);
}

toolkit::Value ShownWindow::SettlementIndex() const
{
    return KorvandelInspector::SettlementIndex(form.form());
}

toolkit::Value ShownWindow::RiverIndex() const
{
    return KorvandelInspector::RiverIndex(form.form());
}

std::int16_t ShownWindow::ClickSource() const
{
    return KorvandelInspector::ClickSource(form.form());
}

void ShownWindow::chooseRiver(std::int16_t river)
{
    user.clickOption(option(river));
}

void ShownWindow::chooseSettlement(std::int16_t settlement)
{
    user.clickEntry(names(), settlement);
}

std::string Choice::name() const
{
    return (side == Side::River ? "river" : "settlement") + std::to_string(index);
}

void Choice::applyTo(ShownWindow &window) const
{
    if (side == Side::River)
        window.chooseRiver(index);
    else
        window.chooseSettlement(index);
}

std::vector<Choice> allChoices()
{
    std::vector<Choice> choices;
    for (std::int16_t river = 0; river < 8; ++river)
        choices.push_back({Choice::Side::River, river});
    for (std::int16_t settlement = 0; settlement < 46; ++settlement)
        choices.push_back({Choice::Side::Settlement, settlement});
    return choices;
}
