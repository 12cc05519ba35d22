// quillon_desktop_states STATES.json OUT: every state of the table on Qt's offscreen platform,
// each reached from a fresh start; writes OUT/<state>.png, the state's window's client area at
// device pixel ratio 1, and OUT/texts.json, the visible numbered labels' texts of each state.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cmath>
#include <iostream>
#include <map>
#include <stdexcept>

#include "app/registry.h"
#include "program/start.h"
#include "qt/qt_platform.h"
#include "ui/twips.h"

namespace {

// The desktop as the page stands: the clock the page is given too, so both draw the same
// questions, and the frame the page draws around a window (the offscreen platform reports a
// thinner one), so both have the design's client area.
class AsThePage : public ui::qt::QtPlatform {
public:
    explicit AsThePage(std::uint64_t ticks) : ticks_(ticks) {}
    std::uint64_t clockTicks() override { return ticks_; }
    ui::Size frameMargins() const override { return {120, 510}; }

private:
    std::uint64_t ticks_;
};

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

ui::Screen& shownScreen(Registry& registry, const QString& name) {
    const std::string n = name.toStdString();
    if (!registry.isLoaded(n) || !registry.screen(n).shown())
        throw std::runtime_error(n + " is not on view");
    return registry.screen(n);
}

// A pointer moved onto the point, pressed and released there, as a mouse does.
void click(Registry& registry, ui::Screen& s, double x, double y) {
    for (auto action :
         {ui::PointerAction::Move, ui::PointerAction::Press, ui::PointerAction::Release}) {
        const int button = action == ui::PointerAction::Move ? ui::NoButton : ui::LeftButton;
        registry.deliver([&] { s.pointer({action, button, ui::NoShift, x, y}); });
    }
}

// Whole pixels on the way, as a page's pointer reports them.
void drag(Registry& registry, ui::Screen& s, double x1, double y1, double x2, double y2) {
    constexpr int steps = 10;
    const auto at = [](double from, double to, int i) {
        return std::round((from + (to - from) * i / steps) / ui::twipsPerPixel) * ui::twipsPerPixel;
    };
    registry.deliver([&] { s.pointer({ui::PointerAction::Press, ui::LeftButton, 0, x1, y1}); });
    for (int i = 1; i <= steps; ++i)
        registry.deliver([&] {
            s.pointer({ui::PointerAction::Move, ui::LeftButton, 0, at(x1, x2, i), at(y1, y2, i)});
        });
    registry.deliver([&] { s.pointer({ui::PointerAction::Release, ui::LeftButton, 0, x2, y2}); });
}

void run(Registry& registry, const QJsonArray& step) {
    const QString verb = step[0].toString();
    ui::Screen& s = shownScreen(registry, step[1].toString());
    if (verb == "press") {
        const ui::Control& c = s.control(step[2].toString().toStdString(), step[3].toInt(-1));
        const ui::TwipRect a = s.areaOf(c);
        const ui::View v = s.view();
        click(registry, s, v.toWindowX(a.left + a.width / 2.0),
              v.toWindowY(a.top + a.height / 2.0));
    } else if (verb == "drag") {
        drag(registry, s, step[2].toDouble(), step[3].toDouble(), step[4].toDouble(),
             step[5].toDouble());
    } else {
        throw std::runtime_error("no such step: " + QJsonDocument(step).toJson().toStdString());
    }
    settle();
}

bool onView(const ui::Control& c) {
    for (const ui::Control* at = &c; at; at = at->container())
        if (!at->visible()) return false;
    return true;
}

// What a pupil reads: the numbered labels on view, by name and index.
QJsonObject texts(const ui::Screen& s) {
    static const QRegularExpression numbered("^Label\\d+$");
    QJsonObject out;
    for (const auto& c : s.controls()) {
        const QString name = QString::fromStdString(c->name());
        const QString text = QString::fromStdString(c->caption()).trimmed();
        if (!numbered.match(name).hasMatch() || text.isEmpty() || !onView(*c)) continue;
        out[c->index() < 0 ? name : QString("%1[%2]").arg(name).arg(c->index())] = text;
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::cerr << "usage: quillon_desktop_states STATES.json OUT\n";
        return 2;
    }
    QFile in(argv[1]);
    if (!in.open(QIODevice::ReadOnly)) {
        std::cerr << argv[1] << ": cannot read\n";
        return 2;
    }
    const QJsonObject table = QJsonDocument::fromJson(in.readAll()).object();
    const QDir out(argv[2]);
    out.mkpath(".");
    const auto ticks = static_cast<std::uint64_t>(table["clockTicks"].toDouble());
    std::map<QString, QJsonArray> steps;  // each state's own steps after those of its "after"
    QJsonObject read;
    int faults = 0;
    for (const QJsonValue value : table["states"].toArray()) {
        const QJsonObject state = value.toObject();
        const QString name = state["name"].toString();
        QJsonArray all = steps[state["after"].toString()];
        for (const QJsonValue step : state["steps"].toArray()) all.append(step);
        steps[name] = all;
        try {
            AsThePage platform(ticks);
            Registry registry(platform);
            startProgram(registry);
            settle();
            for (const QJsonValue step : all) run(registry, step.toArray());
            ui::Screen& s = shownScreen(registry, state["window"].toString());
            ui::qt::ScreenWindow* window = platform.windowOf(s);
            if (!window) throw std::runtime_error("no window");
            QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
            shot.setDevicePixelRatio(1);
            if (!shot.save(out.filePath(name + ".png"))) throw std::runtime_error("not saved");
            read[name] = texts(s);
            if (registry.caughtFaults()) throw std::runtime_error("a handler threw");
        } catch (const std::exception& e) {
            std::cerr << name.toStdString() << ": " << e.what() << '\n';
            ++faults;
        }
    }
    QFile textFile(out.filePath("texts.json"));
    if (!textFile.open(QIODevice::WriteOnly) || textFile.write(QJsonDocument(read).toJson()) < 0)
        ++faults;
    return faults ? 1 : 0;
}
