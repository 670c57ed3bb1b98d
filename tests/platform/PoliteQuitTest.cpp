// The polite quit against real windows on a private Xvfb. The windows belong
// to a child copy of this test program that ignores SIGTERM, so only a window
// close can end it.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "XvfbServer.h"
#include "platform/PoliteQuit.h"
#include "platform/ProcessTable.h"

using namespace sorbeta;

namespace {

constexpr const char* kModeVariable = "SORBETA_TEST_WINDOW";
constexpr const char* kDisplayVariable = "SORBETA_TEST_WINDOW_DISPLAY";

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    auto* reply = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

void setList(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
             std::initializer_list<uint32_t> values) {
    const std::vector<uint32_t> data(values);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, property, type, 32, uint32_t(data.size()), data.data());
}

// The child: one window announcing our pid, closable through the window
// manager protocol ("ewmh": it plays the window manager itself) or straight
// through WM_DELETE_WINDOW ("icccm"). "ewmh-bare" plays the window manager
// too, for a window that does not take WM_DELETE_WINDOW.
[[noreturn]] void runWindow(const std::string& mode, const char* display) {
    ::signal(SIGTERM, SIG_IGN);
    xcb_connection_t* c = xcb_connect(display, nullptr);
    if (xcb_connection_has_error(c)) ::_exit(3);
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t window = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 40, 40, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      screen->root_visual, 0, nullptr);
    setList(c, window, atom(c, "_NET_WM_PID"), XCB_ATOM_CARDINAL, {uint32_t(::getpid())});
    char host[HOST_NAME_MAX + 1] = {};
    ::gethostname(host, sizeof host - 1);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_CLIENT_MACHINE, XCB_ATOM_STRING, 8,
                        uint32_t(std::strlen(host)), host);
    const xcb_atom_t protocols = atom(c, "WM_PROTOCOLS");
    const xcb_atom_t deleteWindow = atom(c, "WM_DELETE_WINDOW");
    const xcb_atom_t closeWindow = atom(c, "_NET_CLOSE_WINDOW");
    const bool manager = mode.starts_with("ewmh");
    if (mode != "ewmh-bare") setList(c, window, protocols, XCB_ATOM_ATOM, {deleteWindow});
    xcb_map_window(c, window);
    if (manager) {
        const xcb_atom_t check = atom(c, "_NET_SUPPORTING_WM_CHECK");
        setList(c, screen->root, check, XCB_ATOM_WINDOW, {window});
        setList(c, window, check, XCB_ATOM_WINDOW, {window});
        setList(c, screen->root, atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, {closeWindow});
        setList(c, screen->root, atom(c, "_NET_CLIENT_LIST"), XCB_ATOM_WINDOW, {window});
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT;
        xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    }
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    std::printf("WINDOW-READY\n");
    std::fflush(stdout);
    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
        if ((event->response_type & 0x7f) == XCB_CLIENT_MESSAGE) {
            const auto* message = reinterpret_cast<xcb_client_message_event_t*>(event);
            const bool closed = !manager ? message->type == protocols && message->data.data32[0] == deleteWindow
                                         : message->type == closeWindow && message->window == window;
            if (closed) ::_exit(0);
        }
        std::free(event);
    }
    ::_exit(4);
}

TEST(XWindowChild, Run) {
    const char* mode = std::getenv(kModeVariable);
    if (!mode) GTEST_SKIP() << "runs only as the child of the polite-quit tests";
    runWindow(mode, std::getenv(kDisplayVariable));
}

class PoliteQuitWindows : public ::testing::Test {
protected:
    void TearDown() override {
        for (auto& child : children_) {
            child->kill();
            child->waitForFinished(2000);
        }
    }
    QProcess& start(const QString& program, const QStringList& arguments, const QProcessEnvironment& env) {
        children_.push_back(std::make_unique<QProcess>());
        QProcess& child = *children_.back();
        child.setProcessEnvironment(env);
        child.start(program, arguments);
        EXPECT_TRUE(child.waitForStarted(5000));
        return child;
    }
    QProcess& windowChild(const std::string& mode, const std::string& display) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kModeVariable), QString::fromStdString(mode));
        env.insert(QString::fromLatin1(kDisplayVariable), QString::fromStdString(display));
        QProcess& child =
            start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=XWindowChild.Run")}, env);
        QByteArray output;
        while (!output.contains("WINDOW-READY") && child.waitForReadyRead(10000))
            output += child.readAllStandardOutput();
        EXPECT_TRUE(output.contains("WINDOW-READY")) << output.toStdString();
        return child;
    }
    static platform::ProcessSample sampleOf(const QProcess& child) {
        return platform::ProcFolder().sample(int(child.processId())).value_or(platform::ProcessSample{});
    }

private:
    std::vector<std::unique_ptr<QProcess>> children_;
};

TEST_F(PoliteQuitWindows, WindowsAreAskedToCloseInsteadOfSignals) {
    test::XvfbServer server;
    if (!server.running()) GTEST_SKIP() << "no Xvfb here";
    QProcess& window = windowChild("icccm", server.display());
    // A helper of the same application without a window is left to the application.
    QProcess& helper =
        start(QStringLiteral("/bin/sleep"), {QStringLiteral("30")}, QProcessEnvironment::systemEnvironment());
    const auto result = platform::politeQuit({sampleOf(window), sampleOf(helper)}, server.display());
    EXPECT_EQ(result, (platform::PoliteQuitResult{1, 0, 0}));
    ASSERT_TRUE(window.waitForFinished(5000));
    EXPECT_EQ(window.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(window.exitCode(), 0);
    EXPECT_EQ(helper.state(), QProcess::Running);
}

TEST_F(PoliteQuitWindows, ThroughTheWindowManagerWhenItClosesWindows) {
    test::XvfbServer server;
    if (!server.running()) GTEST_SKIP() << "no Xvfb here";
    QProcess& window = windowChild("ewmh", server.display());
    EXPECT_EQ(platform::politeQuit({sampleOf(window)}, server.display()), (platform::PoliteQuitResult{1, 0, 0}));
    ASSERT_TRUE(window.waitForFinished(5000));
    EXPECT_EQ(window.exitCode(), 0);
}

TEST_F(PoliteQuitWindows, AWindowThatCannotBeAskedIsNotClosedThroughTheWindowManager) {
    // A window manager answers a close request for a window without
    // WM_DELETE_WINDOW by killing its client: such a window is not asked,
    // its process gets the terminate signal instead (which this one ignores).
    test::XvfbServer server;
    if (!server.running()) GTEST_SKIP() << "no Xvfb here";
    QProcess& window = windowChild("ewmh-bare", server.display());
    EXPECT_EQ(platform::politeQuit({sampleOf(window)}, server.display()), (platform::PoliteQuitResult{0, 1, 0}));
    EXPECT_FALSE(window.waitForFinished(500));
}

TEST_F(PoliteQuitWindows, ProcessesWithoutWindowsGetTerminate) {
    test::XvfbServer server;
    if (!server.running()) GTEST_SKIP() << "no Xvfb here";
    QProcess& other = windowChild("icccm", server.display());  // a window of someone else
    QProcess& plain =
        start(QStringLiteral("/bin/sleep"), {QStringLiteral("30")}, QProcessEnvironment::systemEnvironment());
    EXPECT_EQ(platform::politeQuit({sampleOf(plain)}, server.display()), (platform::PoliteQuitResult{0, 1, 0}));
    ASSERT_TRUE(plain.waitForFinished(2000));
    EXPECT_EQ(plain.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(other.state(), QProcess::Running);
}

}  // namespace
