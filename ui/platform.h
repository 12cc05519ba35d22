#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ui/key.h"
#include "ui/picture.h"
#include "ui/timer.h"

namespace ui {

class Screen;

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

// Runs each event to completion; the screen registry stands behind it.
class EventSink {
public:
    virtual ~EventSink() = default;
    virtual void deliver(const std::function<void()>& handler) = 0;
    // The window system asked to close a screen's window.
    virtual void closeRequested(Screen& screen) = 0;
    // A key pressed while the screen's window is active. True when the program binds the key,
    // which then goes no further.
    virtual bool keyPressed(Screen& screen, Key key) = 0;
    // The display changed size (a page went full screen): views are worked out afresh.
    virtual void displayChanged() = 0;
    // A press of the pointer on a blanked display: the lesson comes back.
    virtual void blankEnded() = 0;
    // The pupil went to a screen's window: pressed on it, or the window system brought it up.
    virtual void windowActivated(Screen& screen) = 0;
};

// Everything the screens need from the machine, so screen code never meets the toolkit.
class Platform {
public:
    virtual ~Platform() = default;

    // Display, in twips.
    virtual Size displaySize() const = 0;
    // Outer window size less client area, in twips.
    virtual Size frameMargins() const = 0;
    // A page's viewport rather than a desktop: every window is fitted to it.
    virtual bool fitsViewport() const { return false; }

    // Pictures: where to look, in order, and decoding one file (null when unreadable).
    virtual std::vector<std::filesystem::path> pictureFolders() const = 0;
    virtual Picture decodePicture(const std::filesystem::path& file) = 0;

    // The clock at its finest resolution, for seeding: two calls a moment apart differ.
    virtual std::uint64_t clockTicks() = 0;
    virtual std::unique_ptr<TimerSource> makeTimer(std::function<void()> tick) = 0;

    // True when the address was handed on.
    virtual bool openUrl(const std::string& address) = 0;
    virtual void end() = 0;

    // Windows of screens.
    virtual void showWindow(Screen& screen) = 0;
    virtual void destroyWindow(Screen& screen) = 0;
    // Bring every window up to date with its screen.
    virtual void refresh() = 0;
    // Hands a text to the screen reader, if one listens, as the screen shows it.
    virtual void announce(Screen& screen, const std::string& text) = 0;

    // True the first time a picture fails: each bad picture is said once on stderr, however
    // often the screens try it again.
    bool firstFailureOf(const std::string& picture) {
        return failedPictures_.insert(picture).second;
    }

    // A file's picture, decoded once and shared by every control that shows it while any does;
    // a file that fails to decode is tried again next time.
    Picture sharedPicture(const std::filesystem::path& file) {
        std::weak_ptr<const PictureData>& kept = pictures_[file];
        Picture picture = kept.lock();
        if (!picture) kept = picture = decodePicture(file);
        return picture;
    }

    void setEventSink(EventSink* sink) { sink_ = sink; }
    EventSink* eventSink() const { return sink_; }
    // Every input and timer tick enters the screens through here.
    void deliver(const std::function<void()>& handler) {
        if (sink_)
            sink_->deliver(handler);
        else
            handler();
    }

private:
    EventSink* sink_ = nullptr;
    std::set<std::string> failedPictures_;
    std::map<std::filesystem::path, std::weak_ptr<const PictureData>> pictures_;
};

}  // namespace ui
