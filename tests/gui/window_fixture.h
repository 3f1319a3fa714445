// A main window for tests: a program folder of its own, file dialogs that
// answer from a script, messages and questions recorded, and an end of the
// program that is only counted.
#pragma once

#include "file_dialogs.h"
#include "fixture.h"
#include "main_window.h"
#include "recording_host.h"
#include "temp_dir.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QInputDevice>
#include <QPointingDevice>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <thread>

namespace vectrim::test {

inline QApplication& qtApp() {
    static int argc = 1;
    static char name[] = "window_tests";
    static char* argv[] = {name, nullptr};
    // Destroyed with the other statics at the end, so that the window
    // system's caches are released before the leak check.
    static std::unique_ptr<QApplication> app = [] {
        auto a = std::make_unique<QApplication>(argc, argv);
        QApplication::setStyle(QStringLiteral("Fusion"));
        // The keyboard and pointer of synthetic events, made now so that
        // Qt's device list outlives the application at the end.
        QInputDevice::primaryKeyboard();
        QPointingDevice::primaryPointingDevice();
        return a;
    }();
    return *app;
}

// Lets events run until `done` holds or the time is up.
inline bool waitFor(const std::function<bool()>& done, int milliseconds = 5000) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > milliseconds) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// Acts on a modal window of type W once it is shown; the window's exec()
// returns when the action closes it. Stops looking when it goes out of scope.
template <class W>
class WhenShown {
public:
    explicit WhenShown(std::function<void(W&)> act) {
        QObject::connect(&timer_, &QTimer::timeout, [this, act] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* d = qobject_cast<W*>(w);
                if (!d || !d->isVisible()) continue;
                timer_.stop();
                ++shown;
                act(*d);
                return;
            }
        });
        timer_.start(5);
    }
    int shown = 0;

private:
    QTimer timer_;
};

struct DialogCall {
    std::string kind, filter, title, folder, suggested;
};

class ScriptedDialogs : public FileDialogs {
public:
    std::deque<std::string> results; // answers in order; empty = cancelled
    std::vector<DialogCall> calls;

    std::string open(QWidget*, const std::string& filter, const std::string& title,
                     const std::string& folder) override {
        calls.push_back({"open", filter, title, folder, {}});
        return next();
    }
    std::string save(QWidget*, const std::string& filter, const std::string& title, const std::string& folder,
                     const std::string& suggested) override {
        calls.push_back({"save", filter, title, folder, suggested});
        return next();
    }

private:
    std::string next() {
        if (results.empty()) return {};
        std::string r = results.front();
        results.pop_front();
        return r;
    }
};

class WindowTest : public ::testing::Test {
protected:
    TempDir dir;
    RecordingHost host;
    ScriptedDialogs dialogs;
    int ended = 0;
    std::unique_ptr<Form16> form;

    void SetUp() override { qtApp(); }
    void TearDown() override { form.reset(); }

    Form16& make(std::vector<std::string> args = {}) {
        Form16Options o;
        o.args = std::move(args);
        o.folder = dir.folder();
        o.dialogs = &dialogs;
        o.observer = &host;
        o.endProgram = [this] { ++ended; };
        form = std::make_unique<Form16>(o);
        form->show();
        EXPECT_TRUE(waitFor([this] { return form->activated(); }));
        return *form;
    }
    Form16Controls& c() { return form->controls(); }
    Session& s() { return form->session(); }

    // A small program in the test's program folder that notes its arguments
    // in <name>.args.
    void fakeProgram(const std::string& name) {
        dir.write(name, "#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/" + name + ".args\"\n");
        chmod(dir.file(name).c_str(), 0755);
    }
    // The arguments a fake program was started with, once it has run.
    std::string startedWith(const std::string& name) {
        const std::string file = name + ".args";
        waitFor([&] { return !dir.read(file).empty(); });
        return dir.read(file);
    }
};

} // namespace vectrim::test
