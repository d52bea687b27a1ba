// SPDX-License-Identifier: GPL-3.0-or-later
#include "description.h"

#include "relation/tables.h"
#include "toolkit/description.h"
#include "icon.h"

#include <array>

namespace window {

using toolkit::ControlDescription;
using toolkit::ControlKind;
using toolkit::Rgb;

const std::string_view kIntroduction =
    "Да се реализира проект, представящ междупредметни връзки География и Информатика.\r\n"
    "Тема на проекта: География - реки и селища в България.\r\n"
    "В група от радиобутони да се представят, подредени азбучно примерните реки: Арда, Искър, Марица, Огоста, Осъм, Струма, Тунджа, Янтра.\r\n"
    "В списъчно поле да се представят имената на селищата, през които минават реките:\r\n"
    "Белово, Благоевград, Бобошево, Бяла, Велико Търново, Габрово, Горна Оряховица, Димитровград, Долна баня, Дряново, Елхово, Земен, Искър,Калофер,\r\n"
    "Койнаре, Костенец, Кочериново, Кресна, Кърджали, Летница, Ловеч, Любимец, Маджарово, Мездра, Монтана, Нови Искър, Павел баня, Пазарджик, Перник,\r\n"
    "Пловдив, Първомай, Радомир, Роман, Рудозем, Самоков, Свиленград, Своге, Симеоновград, Симитли, София, Стамболийски, Троян, Харманли, Червен бряг, Чипровци, Ямбол.\r\n"
    "Имената и в двете групи са уникални, а броят им е различен.\r\n"
    "При събитие On-Click върху елемент от едната група проектът да извежда адекватна релация между  реки и селище.\r\n"
    "Прочетете допълнителен материал за известни реки е България.\r\n";

const std::string_view kQuotation =
    "Неприятното в това да си първият, направил нещо по \r\n"
    "правилния начин, е, че никой не оценява колко трудно е \r\n"
    "било. \r\n";

namespace {

constexpr Rgb kLavender{192, 192, 255};
constexpr Rgb kLightGreen{128, 255, 128};
constexpr Rgb kLightOrange{255, 192, 128};

ControlDescription optionButton(std::int16_t index, int top, int tabIndex)
{
    return {.kind = ControlKind::OptionButton,
            .name = "Option1",
            .index = index,
            .parent = "Frame1",
            .left = 120,
            .top = top,
            .width = 1695,
            .height = 285,
            .tabIndex = tabIndex,
            .text = relation::kRiverCaptions[static_cast<std::size_t>(index)],
            .backColour = kLightGreen};
}

const std::array<ControlDescription, 15> kControls = {
    ControlDescription{.kind = ControlKind::ListBox,
                       .name = "List1",
                       .index = 1,
                       .left = 6000,
                       .top = 960,
                       .width = 975,
                       .height = 915,
                       .visible = false,
                       .tabIndex = 9,
                       .entries = relation::kRiverCodes},
    ControlDescription{.kind = ControlKind::ListBox,
                       .name = "List1",
                       .index = 0,
                       .left = 3120,
                       .top = 960,
                       .width = 2415,
                       .height = 2055,
                       .tabIndex = 8,
                       .entries = relation::kSettlementNames},
    ControlDescription{.kind = ControlKind::Frame,
                       .name = "Frame1",
                       .left = 960,
                       .top = 480,
                       .width = 1935,
                       .height = 2415,
                       .tabIndex = 3,
                       .text = "Реки",
                       .backColour = kLavender},
    optionButton(4, 1320, 14),
    optionButton(7, 2040, 13),
    optionButton(6, 1800, 12),
    optionButton(5, 1560, 11),
    optionButton(3, 1080, 7),
    optionButton(2, 840, 6),
    optionButton(1, 600, 5),
    optionButton(0, 360, 4),
    ControlDescription{.kind = ControlKind::TextBox,
                       .name = "Text1",
                       .index = 1,
                       .left = 1560,
                       .top = 4920,
                       .width = 6735,
                       .height = 1815,
                       .visible = false,
                       .tabIndex = 1,
                       .text = kQuotation,
                       .multiLine = true,
                       .verticalScrollBar = true,
                       .locked = true},
    ControlDescription{.kind = ControlKind::TextBox,
                       .name = "Text1",
                       .index = 0,
                       .left = 120,
                       .top = 3120,
                       .width = 6735,
                       .height = 2415,
                       .tabIndex = 0,
                       .text = kIntroduction,
                       .multiLine = true,
                       .verticalScrollBar = true,
                       .locked = true,
                       .accessibleName = "Релация между реки и селища"},
    ControlDescription{.kind = ControlKind::Label,
                       .name = "Label1",
                       .index = 1,
                       .left = 3120,
                       .top = 600,
                       .width = 2415,
                       .height = 375,
                       .tabIndex = 10,
                       .text = "Селища",
                       .backColour = kLightOrange,
                       .centred = true,
                       .buddy = "List1",
                       .buddyIndex = 0},
    ControlDescription{.kind = ControlKind::Label,
                       .name = "Label1",
                       .index = 0,
                       .left = 960,
                       .top = 0,
                       .width = 4575,
                       .height = 375,
                       .tabIndex = 2,
                       .text = "География - реки и селища в България",
                       .backColour = kLightOrange,
                       .centred = true},
};

const toolkit::FormDescription kKorvandel{
    .name = "Korvandel",
    .caption = "https://reki-i-selishta.example   География - реки и селища",
    .clientWidth = 6915,
    .clientHeight = 5685,
    .backColour = kLavender,
    .font = {.family = "Times New Roman", .points = 12, .charset = 204, .weight = 400},
    .icon = kIcon,
    .controls = kControls,
};

} // namespace

const toolkit::FormDescription &korvandelDescription()
{
    return kKorvandel;
}

} // namespace window
