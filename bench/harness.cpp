// Times Velmora as a user meets it, from outside the program, on an X
// display: it starts the program, presses keys through XTest, and watches
// the X server's map and configure events. Each figure is the median of
// several runs, set beside two floors measured in the same runs: a bare Qt
// window, and one that shows a line of text in Velmora's font.
//   velmora_bench VELMORA BARE_WINDOW LABEL_WINDOW [RUNS]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <signal.h>
#include <sys/select.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

Display* display = nullptr;

double nowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

void pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// Windows come and go while the harness looks at them: one that has closed between its event and
// the question about it is no fault of the run. Any other error ends it, as Xlib's own handler would.
int onXError(Display* shown, XErrorEvent* error) {
    if (error->error_code == BadWindow || error->error_code == BadDrawable || error->error_code == BadMatch) return 0;
    char text[256];
    XGetErrorText(shown, error->error_code, text, sizeof text);
    std::fprintf(stderr, "velmora_bench: X error: %s\n", text);
    std::exit(2);
}

std::string titleOf(Window window) {
    char* name = nullptr;
    std::string title;
    if (XFetchName(display, window, &name) && name) title = name;
    if (name) XFree(name);
    return title;
}

// The next top-level window mapped (with the given title, when one is given); none on timeout.
std::optional<Window> waitMapped(const char* title = nullptr, int timeoutMs = 10000) {
    const double deadline = nowMs() + timeoutMs;
    while (nowMs() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify) continue;
            if (!title || titleOf(event.xmap.window) == title) return event.xmap.window;
        }
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(ConnectionNumber(display), &fds);
        timeval wait{0, 2000};
        select(ConnectionNumber(display) + 1, &fds, nullptr, nullptr, &wait);
    }
    return std::nullopt;
}

// Waits until the window is resized to a height that satisfies done.
template <class Done>
bool waitResized(Window window, Done done, int timeoutMs = 5000) {
    const double deadline = nowMs() + timeoutMs;
    while (nowMs() < deadline) {
        XEvent event;
        while (XCheckTypedEvent(display, ConfigureNotify, &event))
            if (event.xconfigure.window == window && done(event.xconfigure.height)) return true;
        pause(1);
    }
    return false;
}

// The top-level window on screen with this title, if there is one.
std::optional<Window> windowTitled(const std::string& title) {
    Window root, parent, *children = nullptr;
    unsigned count = 0;
    std::optional<Window> found;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return found;
    for (unsigned i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable &&
            titleOf(children[i]) == title)
            found = children[i];
    }
    if (children) XFree(children);
    return found;
}

// Gives the focus to the window with this title, as a window manager would when a dialog opens or
// closes (Xvfb runs none); first waits for the dialog that is closing to leave the screen.
void focusWindow(const std::string& title, const std::string& closing = {}) {
    for (const double deadline = nowMs() + 5000; !closing.empty() && windowTitled(closing) && nowMs() < deadline;) pause(10);
    if (const auto window = windowTitled(title)) XSetInputFocus(display, *window, RevertToParent, CurrentTime);
    XSync(display, False);
}

// 0 for a window that has gone.
int heightOf(Window window) {
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes)) return 0;
    return attributes.height;
}

void key(KeySym symbol, std::vector<KeySym> modifiers = {}) {
    for (KeySym modifier : modifiers) XTestFakeKeyEvent(display, XKeysymToKeycode(display, modifier), True, 0);
    XTestFakeKeyEvent(display, XKeysymToKeycode(display, symbol), True, 0);
    XTestFakeKeyEvent(display, XKeysymToKeycode(display, symbol), False, 0);
    for (KeySym modifier : modifiers) XTestFakeKeyEvent(display, XKeysymToKeycode(display, modifier), False, 0);
    XFlush(display);
}

pid_t launch(const std::string& program, const std::string& home, bool accessible = false) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (accessible) setenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1", 1);
        setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
        setenv("HOME", home.c_str(), 1);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

void stop(pid_t pid) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    // Forget the events of the windows that went with it.
    XSync(display, True);
}

// Peak resident memory in kilobytes.
long peakKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    return 0;
}

double median(std::vector<double> values) {
    if (values.empty()) return -1;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Row {
    std::string measure;
    double velmora;
    double bare, label;  // the floors' figures, negative when there are none
    std::string unit;
    std::string target;
    bool met;
};

// By module number, as the Module menu counts them; 0 for a separator.
const KeySym kModuleKeys[] = {0, XK_r, XK_s, 0, XK_a, XK_c, 0, XK_i, XK_t};
const char* const kModuleNames[] = {"", "raw score", "converter", "", "age", "calculator", "", "interval", "change"};
const int kOriginal[] = {1, 2, 4, 5}, kAll[] = {1, 2, 4, 5, 7, 8};

// The floor's start to window on screen and its peak memory.
void measureFloor(const std::string& program, const std::string& home, std::vector<double>& start, std::vector<double>& memory) {
    const double t0 = nowMs();
    const pid_t pid = launch(program, home);
    if (waitMapped()) start.push_back(nowMs() - t0);
    pause(300);
    memory.push_back(peakKb(pid) / 1024.0);
    stop(pid);
}

// Times every switch from one module to another that include says to time: to the first
// without timing, then to the second. Returns the module shown at the end.
template <class Include>
int timeSwitches(int shown, std::vector<std::vector<double>>& switches, Include include) {
    for (int from : kAll) {
        for (int to : kAll) {
            if (from == to || !include(from, to)) continue;
            if (shown != from) {
                key(kModuleKeys[from], {XK_Control_L});
                waitMapped("Velmora");
                pause(50);
            }
            const double t0 = nowMs();
            key(kModuleKeys[to], {XK_Control_L});
            if (waitMapped("Velmora")) switches[from * 9 + to].push_back(nowMs() - t0);
            shown = to;
            pause(50);
        }
    }
    return shown;
}

// Digits and points typed as keys.
void type(const std::string& text) {
    for (const char c : text) key(c == '.' ? XK_period : XK_0 + (c - '0'));
}

off_t sizeOf(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_size : -1;
}

void writeFile(const std::string& path, const std::string& text) {
    std::system(("mkdir -p '" + path.substr(0, path.rfind('/')) + "'").c_str());
    std::ofstream(path, std::ios::binary) << text;
}

// A session of 100,000 raw score rows as the program writes them, and 100,000 norm sets.
std::string bigSession() {
    std::string text = "{\"format\": 2, \"patients\": [\"\"], \"rows\": [";
    for (int i = 0; i < 100000; ++i) {
        const std::string raw = std::to_string(40 + i % 120);
        text += std::string(i ? ",\n" : "\n") + "{\"time\": \"2026-12-06T14:03:27+01:00\", \"patient\": 0, \"module\": \"score\", \"test\": \"WAIS-IV Vocabulary " +
                std::to_string(i) + "\", \"entry\": \"raw " + raw + ", mean 100, SD 15, n 50\", \"results\": \"z-score 0.67\\npercentile 74.8\\n" +
                "adjusted percentile 74.4\\nlabel High average score\", \"fields\": [[\"raw\", \"" + raw +
                "\"], [\"mean\", \"100\"], [\"sd\", \"15\"], [\"n\", \"50\"], [\"z\", \"0.67\"], [\"percentile\", \"74.8\"], " +
                "[\"adjusted_percentile\", \"74.4\"], [\"label\", \"High average score\"]]}";
    }
    return text + "\n]}\n";
}

std::string bigNorms() {
    std::string text = "name,mean,sd,n,reverse\n";
    for (int i = 0; i < 100000; ++i) text += "Subtest " + std::to_string(i) + "," + std::to_string(90 + i % 20) + ",15,50,false\n";
    return text;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: velmora_bench VELMORA BARE_WINDOW LABEL_WINDOW [RUNS]\n");
        return 2;
    }
    const std::string velmora = argv[1], bare = argv[2], label = argv[3];
    const int runs = argc > 4 ? std::max(10, std::atoi(argv[4])) : 10;
    display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "velmora_bench: no X display\n");
        return 2;
    }
    XSetErrorHandler(onXError);
    // A window gone before its name is asked: the run goes on.
    const Window gone = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    XDestroyWindow(display, gone);
    titleOf(gone);
    XSync(display, False);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    char homeTemplate[] = "/tmp/velmora-bench-XXXXXX";
    const std::string home = mkdtemp(homeTemplate);
    const auto freshHome = [&] { std::system(("rm -rf '" + home + "/config'").c_str()); };

    std::vector<double> bareStart, bareMemory, labelStart, labelMemory, start, keyToWindow, expand, collapse, memory;
    std::vector<std::vector<double>> switches(9 * 9);
    for (int run = 0; run < runs; ++run) {
        measureFloor(bare, home, bareStart, bareMemory);
        measureFloor(label, home, labelStart, labelMemory);

        // Start to splash, then a key to the module window.
        freshHome();
        double t0 = nowMs();
        const pid_t pid = launch(velmora, home);
        if (waitMapped()) start.push_back(nowMs() - t0);
        pause(200);
        t0 = nowMs();
        key(XK_Return);
        const auto window = waitMapped("Velmora");
        if (window) keyToWindow.push_back(nowMs() - t0);
        pause(200);

        // Use t-test: Tab five times to it from the raw score box, Space to tick and untick it.
        if (window) {
            const int collapsed = heightOf(*window);
            for (int i = 0; i < 5; ++i) key(XK_Tab);
            pause(100);
            t0 = nowMs();
            key(XK_space);
            if (waitResized(*window, [&](int height) { return height > collapsed; })) expand.push_back(nowMs() - t0);
            pause(100);
            key(XK_Tab, {XK_Shift_L});
            pause(100);
            t0 = nowMs();
            key(XK_space);
            if (waitResized(*window, [&](int height) { return height == collapsed; })) collapse.push_back(nowMs() - t0);
            pause(100);
        }

        // The four original windows among themselves, the About box with its sound, the peak memory;
        // then every switch to or from the Score Interval and Reliable Change windows.
        const auto original = [](int module) { return std::find(std::begin(kOriginal), std::end(kOriginal), module) != std::end(kOriginal); };
        int shown = timeSwitches(1, switches, [&](int from, int to) { return original(from) && original(to); });
        key(XK_h, {XK_Alt_L});
        pause(100);
        key(XK_a);
        waitMapped("About The Velmora...");
        pause(500);
        memory.push_back(peakKb(pid) / 1024.0);
        focusWindow("About The Velmora...");
        key(XK_Escape);
        focusWindow("Velmora", "About The Velmora...");
        pause(100);
        timeSwitches(shown, switches, [&](int from, int to) { return !original(from) || !original(to); });
        stop(pid);
    }

    // A long session and many norm sets, with the accessibility bridge on. The start until the program
    // answers, against one without them: the Session window asked for at once opens only once the
    // session is read. Then, the session read, the Session window opening and Calculate until its row is on disk.
    const std::string data = home + "/.local/share/Velmora/Velmora", session = bigSession(), norms = bigNorms();
    std::vector<double> emptyStart, bigStart, addRow, sessionWindow;
    const auto startWith = [&](bool big) {
        freshHome();
        std::system(("rm -rf '" + data + "'").c_str());
        if (big) {
            writeFile(data + "/session.json", session);
            writeFile(home + "/config/Velmora/norms.csv", norms);
        }
        const double t0 = nowMs();
        const pid_t pid = launch(velmora, home, true);
        waitMapped();
        pause(200);
        key(XK_Return);
        waitMapped("Velmora");
        focusWindow("Velmora");
        return std::pair{pid, t0};
    };
    for (int run = 0; run < runs; ++run) {
        for (const bool big : {false, true}) {
            const auto [pid, t0] = startWith(big);
            key(XK_s, {XK_Control_L, XK_Shift_L});
            if (waitMapped("Session - Velmora")) (big ? bigStart : emptyStart).push_back(nowMs() - t0);
            stop(pid);
        }
        const pid_t pid = startWith(true).first;
        pause(3000);
        double t0 = nowMs();
        key(XK_s, {XK_Control_L, XK_Shift_L});
        if (waitMapped("Session - Velmora")) sessionWindow.push_back(nowMs() - t0);
        pause(300);
        focusWindow("Velmora", "");
        type("110");
        key(XK_Tab);
        type("100");
        key(XK_Tab);
        type("15");
        pause(100);
        const off_t before = sizeOf(data + "/session.journal");
        t0 = nowMs();
        key(XK_Return);  // Calculate at once: Alt+C would click the button a tenth of a second later
        while (sizeOf(data + "/session.journal") <= before && nowMs() - t0 < 5000) pause(1);
        if (sizeOf(data + "/session.journal") > before) addRow.push_back(nowMs() - t0);
        stop(pid);
    }

    std::vector<Row> rows;
    const double bareStartMedian = median(bareStart), bareMemoryMedian = median(bareMemory);
    const double labelStartMedian = median(labelStart), labelMemoryMedian = median(labelMemory);
    rows.push_back({"start to splash on screen", median(start), bareStartMedian, labelStartMedian, "ms", "<= 1.1 x one label",
                    median(start) <= 1.1 * labelStartMedian});
    rows.push_back({"key on splash to module window", median(keyToWindow), -1, -1, "ms", "< 50 ms", median(keyToWindow) < 50});
    for (int from : kAll)
        for (int to : kAll)
            if (from != to) {
                const double value = median(switches[from * 9 + to]);
                rows.push_back({std::string("switch ") + kModuleNames[from] + " to " + kModuleNames[to], value, -1, -1, "ms",
                                "< 20 ms", value >= 0 && value < 20});
            }
    rows.push_back({"Use t-test checked, window expanded", median(expand), -1, -1, "ms", "< 10 ms",
                    median(expand) >= 0 && median(expand) < 10});
    rows.push_back({"Use t-test cleared, window collapsed", median(collapse), -1, -1, "ms", "< 10 ms",
                    median(collapse) >= 0 && median(collapse) < 10});
    rows.push_back({"peak memory, four windows and About (sound)", median(memory), bareMemoryMedian, labelMemoryMedian, "MB",
                    "<= 1.3 x one label", median(memory) <= 1.3 * labelMemoryMedian});

    const double startMore = median(bigStart) - median(emptyStart);
    rows.push_back({"start to module and Session windows, 100,000-row session and 100,000 norm sets, more than with none", startMore, -1, -1, "ms",
                    "< 1000 ms", !bigStart.empty() && !emptyStart.empty() && startMore < 1000});
    rows.push_back({"Calculate to its row on disk, 100,000-row session shown", median(addRow), -1, -1, "ms", "< 50 ms",
                    median(addRow) >= 0 && median(addRow) < 50});
    rows.push_back({"Session window opened, 100,000 rows", median(sessionWindow), -1, -1, "ms", "< 1000 ms",
                    median(sessionWindow) >= 0 && median(sessionWindow) < 1000});

    std::printf("| Measure (median of %d runs) | Velmora | Empty window | Ratio | One-label window | Ratio | Target | Met |\n", runs);
    std::printf("|---|---:|---:|---:|---:|---:|---|---|\n");
    bool allMet = true;
    for (const Row& row : rows) {
        const auto floor = [&](double value, char (&text)[32], char (&ratio)[32]) {
            text[0] = ratio[0] = 0;
            if (value <= 0) return;
            std::snprintf(text, sizeof text, "%.1f %s", value, row.unit.c_str());
            std::snprintf(ratio, sizeof ratio, "%.2f", row.velmora / value);
        };
        char bareText[32], bareRatio[32], labelText[32], labelRatio[32];
        floor(row.bare, bareText, bareRatio);
        floor(row.label, labelText, labelRatio);
        std::printf("| %s | %.1f %s | %s | %s | %s | %s | %s | %s |\n", row.measure.c_str(), row.velmora, row.unit.c_str(), bareText,
                    bareRatio, labelText, labelRatio, row.target.c_str(), row.met ? "yes" : "NO");
        allMet = allMet && row.met;
    }
    std::system(("rm -rf '" + home + "'").c_str());
    XCloseDisplay(display);
    return allMet ? 0 : 1;
}
