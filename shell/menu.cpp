#include "shell/menu.h"

#include <array>
#include <vector>

#include "app/activity.h"
#include "app/colours.h"
#include "app/registry.h"
#include "app/setupform.h"
#include "app/toolbar.h"
#include "shell/menu_tabs.h"

namespace {

using ui::Alignment;
using ui::ControlKind;

constexpr int nominalWidth = 12000;
constexpr int topicStep = 750;
constexpr int topicCount = 6;  // the last one empty and hidden

struct Topics {
    int width;  // of topic 0, which all the others copy
    std::array<const char*, topicCount - 1> captions;
    bool spareTopic;  // whether the empty sixth topic is made at all
};

const std::array<Topics, 5> menuTopics = {{
    {5055, {"Hamiltonian Circuits", "Factorials", "Guillotine", "The Date", "Surds"}, true},
    {4695,
     {"Constructions", "What Number?", "Vectors 1", "Vectors 2", "Distance, Speed and Time"},
     true},
    {4935, {"Proving Pythagoras' Theorem", "Area", "Series", "Angle Sum", "Dimensions"}, true},
    {5415,
     {"Density, Mass and Volume", "Distance and Speed Time Graphs", "Multiplication Tables",
      "Similar Triangles", "Longitude and Latitude"},
     true},
    {5775,
     {"Function Transformations", "Shape and Space", "Reflections", "Rotations", "Logic Problems"},
     false},
}};

const Topics& topicsOf(int number) { return menuTopics.at(static_cast<std::size_t>(number - 1)); }

const ui::ScreenDesign design = {
    .caption = "Velmora",
    .clientWidth = 11880,
    .clientHeight = 8490,
    .windowButtons = false,
};

// The prize label that only the third menu has.
constexpr int prizeMenu = 3;

std::vector<ui::ControlDesign> menuControls(int number) {
    const Topics& topics = topicsOf(number);
    // clang-format off
    std::vector<ui::ControlDesign> rows = {
        {.kind = ControlKind::Label, .name = "Label1", .caption = "Menu " + std::to_string(number),
         .top = 120, .width = 3405, .height = 900, .font = {"Tahoma", 36, true},
         .foreColour = yellow, .backColour = black, .border = true,
         .alignment = Alignment::Centre},
        {.kind = ControlKind::Label, .name = "Label3", .index = 0, .caption = topics.captions[0],
         .top = 2400, .width = topics.width, .height = 495, .font = {"Tahoma", 15.75, true},
         .foreColour = yellow, .backColour = black, .border = true,
         .alignment = Alignment::Centre},
        shell::firstTabDesign(),
        {.kind = ControlKind::Button, .name = "Command1", .left = 60, .top = 7950, .width = 1785,
         .height = 495},
    };
    if (number == prizeMenu)
        rows.push_back({.kind = ControlKind::Label, .name = "Label4",
                        .caption = "Win $1,000,000", .width = 3105, .height = 495,
                        .font = {"Tahoma", 18, true}, .foreColour = yellow,
                        .backColour = black, .opaque = false, .border = true,
                        .alignment = Alignment::Centre, .enabled = false});
    // clang-format on
    return rows;
}

}  // namespace

namespace shell {

std::string menuName(int number) { return "menu" + std::to_string(number); }

TopicMenu::TopicMenu(Registry& registry, int number)
    : ui::Screen(registry.platform(), menuName(number), design, menuControls(number)),
      registry_(registry), number_(number), title_(control("Label1")),
      exitButton_(control("Command1")), topics_(members("Label3", 1)), prize_(find("Label4")),
      tabs_(*this) {
    tabs_.tab(0).onClick = [this](int i) { Label2_Click(i); };
    tabs_.tab(0).onMouseMove = [this](int i, const ui::MouseEvent&) { Label2_MouseMove(i); };
    topics_[0]->onClick = [this](int i) { Label3_Click(i); };
    title_.onMouseMove = [this](int, const ui::MouseEvent&) { Label1_MouseMove(); };
    exitButton_.onClick = [this](int) { Command1_Click(); };
    onMouseMove = [this](const ui::MouseEvent&) { Form_MouseMove(); };
}

void TopicMenu::Form_Load() {
    const Topics& topics = topicsOf(number_);
    setupform(*this);
    setBackColour(boardBlue);
    // Read from the introduction itself, which loads it hidden when it is not loaded.
    setPicture(registry_.screen("intro0").picture());
    placeExitButton(exitButton_);

    title_.setLeft((nominalWidth - title_.width()) / 2);
    ui::Control& first = *topics_[0];
    first.setLeft((nominalWidth - first.width()) / 2);

    tabs_.build();
    const int count = topics.spareTopic ? topicCount : topicCount - 1;
    for (int i = 1; i < count; ++i) {
        ui::Control& topic = createMember(first.name(), i);
        topic.setLeft(first.left());
        topic.setTop(first.top() + topicStep * i);
        topic.setCaption(i < topicCount - 1 ? topics.captions[static_cast<std::size_t>(i)] : "");
        topics_.push_back(&topic);
    }
    for (int i = 0; i < count; ++i) {
        ui::Control& topic = *topics_[static_cast<std::size_t>(i)];
        const bool real = i < topicCount - 1;
        topic.setVisible(real);
        topic.setEnabled(real && activityAt(name(), i) != nullptr);
    }

    if (prize_) {
        const ui::Control& links = tabs_.tab(linksTab);
        prize_->setTop(links.top() + 990);
        prize_->setLeft(links.left() - (prize_->width() - links.width()));
        prize_->setCaption("Win $1,000,000");
    }
}

// The window system lets the user reach the menu behind an open activity; it waits there for
// the activity to come back to it, so it takes no click meanwhile.
bool TopicMenu::activityOpen() const {
    for (const ActivityEntry& a : activityTable)
        if (a.menu == name() && registry_.isLoaded(a.screen)) return true;
    return false;
}

void TopicMenu::Label2_Click(int index) {
    if (index >= linksTab || index == number_ - 1 || activityOpen()) return;
    registry_.show(menuName(index + 1));
    registry_.unload(name());
}

// The activity opens over the menu, which stays loaded behind it. An activity this build
// does not carry yet leaves the topic inert.
void TopicMenu::Label3_Click(int index) {
    if (index >= topicCount - 1 || activityOpen()) return;
    const char* activity = activityAt(name(), index);
    if (activity && registry_.has(activity)) registry_.show(activity);
}

void TopicMenu::Command1_Click() {
    if (activityOpen()) return;
    registry_.show("intro0");
    registry_.unload(name());
}

void TopicMenu::Form_MouseMove() {
    title_.setOpaque(false);
    tabs_.clearHighlights();
    if (prize_) prize_->setOpaque(false);
}

void TopicMenu::Label1_MouseMove() { title_.setOpaque(true); }

void TopicMenu::Label2_MouseMove(int index) { tabs_.tab(index).setOpaque(true); }

}  // namespace shell
