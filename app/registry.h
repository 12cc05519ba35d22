#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/platform.h"
#include "ui/random.h"
#include "ui/screen.h"

// The one instance of each screen: loaded on first reference, shown, unloaded. Every event
// runs through deliver(), so a handler may unload its own screen: the screen is destroyed
// only once the outermost handler has returned.
class Registry : public ui::EventSink {
public:
    using Factory = std::function<std::unique_ptr<ui::Screen>(Registry&)>;

    explicit Registry(ui::Platform& platform);
    ~Registry() override;
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    void add(std::string name, Factory factory);

    // A reference to a screen: loads it, hidden, when it is not loaded.
    ui::Screen& screen(std::string_view name);
    template <class T>
    T& screenAs(std::string_view name) {
        return dynamic_cast<T&>(screen(name));
    }
    bool isLoaded(std::string_view name) const;
    std::vector<ui::Screen*> loadedScreens() const;
    // Whether a screen of that name exists in this build at all.
    bool has(std::string_view name) const { return factories_.contains(name); }
    void show(std::string_view name);
    void unload(std::string_view name);
    // Stops the program: every screen goes, no handler runs.
    void end();
    bool ended() const { return ended_; }

    ui::Platform& platform() const { return platform_; }
    ui::Random& random() { return random_; }
    // Handlers that threw: each was stopped, reported on stderr, and the program went on.
    int caughtFaults() const { return caughtFaults_; }

    void deliver(const std::function<void()>& handler) override;
    void closeRequested(ui::Screen& screen) override;
    bool keyPressed(ui::Screen& screen, ui::Key key) override;
    void displayChanged() override;
    void blankEnded() override;
    void windowActivated(ui::Screen& screen) override;

    // A presenter's blank key: every window black until any key or press of the pointer.
    void setBlanked(bool on);

    // Projector mode: every screen fills the display, the Jotter floats as a larger board,
    // until it is left; screens loaded meanwhile come up in it.
    bool projector() const { return projector_; }
    void setProjector(bool on);

private:
    void collect();
    // The screen goes into use: every other shown screen's window is inert behind it.
    void use(ui::Screen* s);

    ui::Platform& platform_;
    ui::Random random_;
    std::map<std::string, Factory, std::less<>> factories_;
    std::map<std::string, std::unique_ptr<ui::Screen>, std::less<>> loaded_;
    std::vector<std::unique_ptr<ui::Screen>> unloaded_;  // awaiting the end of the event
    // The shown screens in the order the pupil last went to them: the last is in use.
    std::vector<ui::Screen*> used_;
    int depth_ = 0;
    bool ended_ = false;
    bool projector_ = false;
    bool blanked_ = false;
    int caughtFaults_ = 0;
};
