// Every activity with keys only, through Qt's key events, and what a screen reader finds.
#include <QAccessible>
#include <QAccessibleInterface>
#include <cstdio>
#include <string>

#include "hamilton/circuit_stored.h"
#include "hamilton/graph_solids.h"
#include "hamilton/hamilton.h"
#include "reflections/reflections.h"
#include "support/kit.h"
#include "support/qt_fixture.h"
#include "surds/surd_speech.h"
#include "surds/surds.h"

namespace {

class Keyboard : public QtAppTest {
protected:
    void key(const std::string& screen, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QApplication::setActiveWindow(&window(screen));
        QTest::keyClick(&window(screen), k, m);
        QCoreApplication::processEvents();
    }
    // Tab until the focus is on what `wanted` picks; at most once round the screen.
    template <class Wanted>
    void tabTo(const std::string& screen, Wanted wanted) {
        for (std::size_t i = 0; i <= registry.screen(screen).controls().size(); ++i) {
            const ui::Control* f = registry.screen(screen).focused();
            if (f && wanted(*f)) return;
            key(screen, Qt::Key_Tab);
        }
        FAIL() << "Tab never reached it on " << screen;
    }
    void tabTo(const std::string& screen, const std::string& name) {
        tabTo(screen, [&](const ui::Control& c) { return c.accessibleName() == name; });
    }
    void press(const std::string& screen, const std::string& name) {
        tabTo(screen, name);
        key(screen, Qt::Key_Return);
    }
    bool shown(const std::string& name) {
        return registry.isLoaded(name) && registry.screen(name).shown();
    }
    void openFromTitle(const std::string& tab, const std::string& topic) {
        registry.deliver([&] { registry.show("Titlefrm"); });
        press("Titlefrm", "OK");
        press("intro0", tab);
        press(tab == "Menu 1" ? "menu1" : "menu5", topic);
    }
};

TEST_F(Keyboard, SolvesATetrahedronCircuitAndLeaves) {
    openFromTitle("Menu 1", "Hamiltonian Circuits");
    ASSERT_TRUE(shown("hamilton"));
    auto& screen = registry.screenAs<hamiltonian::hamilton>("hamilton");
    const std::vector<int> circuit = hamiltonian::storedCircuit(hamiltonian::tetrahedron, 0);
    for (std::size_t i = 0; i < circuit.size(); ++i) {
        if (!circuit[i]) continue;
        const ui::Control& edge = screen.control("Line1", static_cast<int>(i));
        tabTo("hamilton", [&](const ui::Control& c) { return &c == &edge; });
        key("hamilton", Qt::Key_Space);
        EXPECT_NE(edge.accessibleName().find(", chosen"), std::string::npos)
            << edge.accessibleName();
    }
    press("hamilton", "Check");
    EXPECT_EQ(screen.control("Label4").caption(), "Correct, Well Done!");
    EXPECT_EQ(window("hamilton").announcement(), "Correct, Well Done!");
    press("hamilton", "Exit");
    EXPECT_TRUE(shown("menu1"));
    EXPECT_FALSE(registry.isLoaded("hamilton"));
}

TEST_F(Keyboard, SolvesALevelTwoReflection) {
    openFromTitle("Menu 5", "Reflections");
    ASSERT_TRUE(shown("reflections"));
    auto& screen = registry.screenAs<reflect::reflections>("reflections");
    tabTo("reflections", [](const ui::Control& c) { return c.name() == "Option2"; });
    key("reflections", Qt::Key_Space);
    ASSERT_EQ(screen.level(), 2);
    const char* const colours[] = {"yellow", "purple", "orange", "red"};
    for (std::size_t k = 0; k < 4; ++k) {
        const std::string cross = std::string(colours[k]) + " cross";
        tabTo("reflections",
              [&](const ui::Control& c) { return c.accessibleName().rfind(cross, 0) == 0; });
        const reflect::Vertex target = screen.question().imagepoints[k];
        // Steps along the grid, reading where the cross is as a screen reader hears it.
        for (int step = 0; step < 40; ++step) {
            int x = 99, y = 99;
            std::sscanf(screen.focused()->accessibleName().c_str(), "%*s cross at %d, %d", &x, &y);
            if (x == target.x && y == target.y) break;
            key("reflections", x == 99        ? Qt::Key_Left
                               : x < target.x ? Qt::Key_Right
                               : x > target.x ? Qt::Key_Left
                               : y < target.y ? Qt::Key_Up
                                              : Qt::Key_Down);
        }
    }
    press("reflections", "Check");
    EXPECT_EQ(screen.control("Label4").caption(), "Well done");
    EXPECT_EQ(window("reflections").announcement(), "Well done");
}

TEST_F(Keyboard, ShowsASurdsAnswerThatReadsAsWords) {
    openFromTitle("Menu 1", "Surds");
    ASSERT_TRUE(shown("surds"));
    auto& screen = registry.screenAs<surd::surds>("surds");
    tabTo("surds", [](const ui::Control& c) { return c.name() == "Option2"; });
    key("surds", Qt::Key_Space);
    const std::string question = window("surds").announcement().toStdString();
    EXPECT_NE(question.find(surd::spokenQuestion(screen.question())), std::string::npos)
        << question;
    press("surds", "Solution");
    const std::string answer = surd::spokenAnswer(screen.question());
    bool read = false;
    for (ui::Control* c : window("surds").exposedControls())
        read = read || c->accessibleName() == answer;
    EXPECT_TRUE(read) << answer;
}

// The ring shows from a key until the next press of the pointer; B blanks every window, and
// the key that brings the lesson back does nothing else.
TEST_F(Keyboard, FocusRingAndBlank) {
    registry.deliver([&] { registry.show("hamilton"); });
    const QImage atRest = render("hamilton");
    key("hamilton", Qt::Key_Tab);
    EXPECT_NE(render("hamilton"), atRest);
    clickAt(window("hamilton"), {5, 5});
    EXPECT_EQ(render("hamilton"), atRest);
    key("hamilton", Qt::Key_B);
    const QImage blank = render("hamilton");
    EXPECT_EQ(blank.pixelColor(blank.width() / 2, blank.height() / 2), QColor(Qt::black));
    EXPECT_EQ(blank.pixelColor(blank.width() - 40, blank.height() - 20), QColor(Qt::black));
    int presses = 0;
    registry.screen("hamilton").control("cmdgo").onClick = [&presses](int) { ++presses; };
    key("hamilton", Qt::Key_PageDown);
    EXPECT_EQ(presses, 0);
    EXPECT_EQ(render("hamilton"), atRest);
}

// Space on a focused option chooses it through the model; a second Space leaves it chosen, as
// a click would, instead of turning it off.
TEST_F(Keyboard, SpaceOnAFocusedOptionChoosesIt) {
    registry.deliver([&] { registry.show("hamilton"); });
    ui::Screen& s = registry.screen("hamilton");
    tabTo("hamilton", [](const ui::Control& c) { return c.name() == "Option2"; });
    for (int i = 0; i < 2; ++i) {
        key("hamilton", Qt::Key_Space);
        EXPECT_EQ(s.control("Option2").value(), 1);
        EXPECT_EQ(s.control("Option1").value(), 0);
        // What a screen reader is told agrees.
        QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(&window("hamilton"));
        bool checked = false;
        for (int i = 0; i < tree->childCount(); ++i)
            if (tree->child(i)->text(QAccessible::Name).toStdString() ==
                s.control("Option2").accessibleName())
                checked = tree->child(i)->state().checked;
        EXPECT_TRUE(checked);
    }
}

const char* const everyScreen[] = {"Titlefrm", "intro0",   "menu1", "menu2",       "menu3", "menu4",
                                   "menu5",    "hamilton", "surds", "reflections", "jotter"};

// The accessibility tree names every control on view that acts, with its role and state, and
// leaves out what only decorates.
TEST_F(Keyboard, TreeNamesEveryActingControl) {
    for (const char* name : everyScreen) {
        registry.deliver([&] { registry.show(name); });
        ui::Screen& s = registry.screen(name);
        QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(&window(name));
        ASSERT_NE(tree, nullptr) << name;
        int acting = 0;
        for (const auto& owned : s.controls()) {
            const ui::Control& c = *owned;
            if (!c.acts() || !kit::onView(c)) continue;
            ++acting;
            QAccessibleInterface* found = nullptr;
            for (int i = 0; i < tree->childCount(); ++i)
                if (QAccessibleInterface* item = tree->child(i);
                    item->text(QAccessible::Name).toStdString() == c.accessibleName() &&
                    item->role() != QAccessible::StaticText)
                    found = item;
            ASSERT_NE(found, nullptr) << name << " " << c.name() << "(" << c.index() << ")";
            EXPECT_FALSE(c.accessibleName().empty()) << name << " " << c.name();
            const QAccessible::Role role = found->role();
            EXPECT_TRUE(role == QAccessible::Button || role == QAccessible::PageTab ||
                        role == QAccessible::RadioButton || role == QAccessible::CheckBox)
                << name << " " << c.name();
            EXPECT_EQ(found->state().disabled, !c.enabled()) << name << " " << c.name();
            EXPECT_EQ(found->state().checked, c.value() != 0 && role != QAccessible::Button)
                << name << " " << c.name();
        }
        EXPECT_GT(acting, 0) << name;
        // Nothing nameless is read out.
        for (int i = 0; i < tree->childCount(); ++i)
            EXPECT_FALSE(tree->child(i)->text(QAccessible::Name).isEmpty()) << name << " " << i;
    }
}

// Every window is read by a name, and what a screen says is a notification: a screen reader
// speaks one as it shows.
TEST_F(Keyboard, WindowsAreNamedAndWhatIsSaidIsANotification) {
    for (const char* name : everyScreen) {
        registry.deliver([&] { registry.show(name); });
        QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(&window(name));
        ASSERT_NE(tree, nullptr) << name;
        EXPECT_FALSE(tree->text(QAccessible::Name).trimmed().isEmpty()) << name;
        const std::string said = registry.screen(name).announcement();
        if (said.empty()) continue;
        QAccessibleInterface* last = tree->child(tree->childCount() - 1);
        EXPECT_EQ(last->role(), QAccessible::Notification) << name;
        EXPECT_EQ(last->text(QAccessible::Name).toStdString(), said) << name;
    }
}

}  // namespace
