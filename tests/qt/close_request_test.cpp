#include <QCloseEvent>
#include <QTimer>
#include <ostream>
#include <string>
#include <vector>

#include "support/kit.h"
#include "support/qt_fixture.h"

namespace {

using kit::PrintTo;

// The window system's close (its close box, Alt+F4) on one screen, the others shown first.
struct CloseRow {
    std::string name;
    std::vector<std::string> shown;  // in the order the user opened them
    std::string closed;
    bool ends;                       // the program ends with status 0
    std::vector<std::string> after;  // loaded and shown when the program goes on
    std::vector<std::string> gone;   // unloaded when the program goes on
};

const CloseRow closeRows[] = {
    {"Title", {"Titlefrm"}, "Titlefrm", true},
    {"Introduction", {"intro0"}, "intro0", true},
    {"Menu1", {"menu1"}, "menu1", true},
    {"Menu2", {"menu2"}, "menu2", true},
    {"Menu3", {"menu3"}, "menu3", true},
    {"Menu4", {"menu4"}, "menu4", true},
    {"Menu5", {"menu5"}, "menu5", true},
    {"MenuBehindItsActivity", {"menu1", "hamilton", "jotter"}, "menu1", true},
    {"Hamilton", {"menu1", "hamilton"}, "hamilton", false, {"menu1"}, {"hamilton"}},
    {"HamiltonWithTheJotter",
     {"menu1", "hamilton", "jotter"},
     "hamilton",
     false,
     {"menu1"},
     {"hamilton", "jotter"}},
    {"Surds", {"menu1", "surds", "jotter"}, "surds", false, {"menu1"}, {"surds", "jotter"}},
    {"Reflections",
     {"menu5", "reflections", "jotter"},
     "reflections",
     false,
     {"menu5"},
     {"reflections", "jotter"}},
    {"Jotter", {"menu1", "hamilton", "jotter"}, "jotter", false, {"menu1", "hamilton"}, {"jotter"}},
};

class CloseRequest : public QtAppTest, public testing::WithParamInterface<CloseRow> {
protected:
    // Sends a real close event from inside the event loop and returns the loop's status, or
    // -1 when the program did not end.
    int closeInEventLoop(const std::string& name) {
        QTimer::singleShot(0, [&] {
            QCloseEvent close;
            QCoreApplication::sendEvent(&window(name), &close);
        });
        QTimer::singleShot(0, [&] {
            if (!registry.ended()) QCoreApplication::exit(-1);
        });
        return QCoreApplication::exec();
    }
};

TEST_P(CloseRequest, EndsTheProgramOrLeavesAsTheExitButtonDoes) {
    const CloseRow& row = GetParam();
    for (const std::string& name : row.shown)
        if (!registry.has(name)) GTEST_SKIP() << name << " is not in this build";
    for (const std::string& name : row.shown) registry.deliver([&] { registry.show(name); });

    const int status = closeInEventLoop(row.closed);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(registry.ended(), row.ends);
    if (row.ends) {
        EXPECT_EQ(status, 0);
        EXPECT_TRUE(registry.loadedScreens().empty());
        for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_FALSE(w->isVisible());
        return;
    }
    for (const std::string& name : row.after) {
        EXPECT_TRUE(registry.isLoaded(name) && registry.screen(name).shown()) << name;
        EXPECT_TRUE(window(name).isVisible()) << name;
    }
    for (const std::string& name : row.gone) EXPECT_FALSE(registry.isLoaded(name)) << name;
}

INSTANTIATE_TEST_SUITE_P(EveryScreenKind, CloseRequest, testing::ValuesIn(closeRows), kit::byName);

}  // namespace
