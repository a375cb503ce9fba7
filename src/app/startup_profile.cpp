#include "app/startup_profile.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char* ProfileTarget() {
    static const char* target = std::getenv("CASELIO_STARTUP_PROFILE");
    return target && *target ? target : nullptr;
}

void MarkWhenBack(const char* name) {
    QTimer::singleShot(0, [name] { ProfileMark(name); });
}

// Watches every event of the application, only while profiling.
class PaintWatch : public QObject {
public:
    PaintWatch(QApplication& app, QWidget& window) : QObject(&app), Window(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_F10 && !AwaitingGrid) {
            AwaitingGrid = true;
            ProfileMark("F10");
        } else if (event->type() == QEvent::Paint) {
            if (!WindowPainted && watched == &Window) {
                WindowPainted = true;
                ProfileMark("first paint");
                MarkWhenBack("first painted");
            } else if (AwaitingGrid && watched->parent() &&
                       watched->parent()->objectName() == QLatin1String("sg1")) {
                AwaitingGrid = false;
                ProfileMark("grid paint");
                MarkWhenBack("grid painted");
            }
        }
        return false;
    }

private:
    QWidget& Window;
    bool WindowPainted = false;
    bool AwaitingGrid = false;
};

} // namespace

bool StartupProfileOn() {
    return ProfileTarget() != nullptr;
}

void ProfileMark(const char* name) {
    const char* target = ProfileTarget();
    if (!target)
        return;
    const auto now = std::chrono::duration_cast<std::chrono::microseconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    const bool toStderr = std::strcmp(target, "-") == 0;
    std::FILE* out = toStderr ? stderr : std::fopen(target, "a");
    if (!out)
        return;
    std::fprintf(out, "%s %lld\n", name, static_cast<long long>(now));
    if (!toStderr)
        std::fclose(out);
}

void ProfilePaints(QApplication& app, QWidget& window) {
    if (StartupProfileOn())
        app.installEventFilter(new PaintWatch(app, window));
}
