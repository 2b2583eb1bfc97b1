#include "tools/twain_client/options.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

const char kClientUsage[] =
    "usage: tavix-twain [options]\n"
    "\n"
    "A TWAIN application for the command line: it talks to a source through the\n"
    "data source manager TWAIN_32.DLL, negotiates the scan, acquires pages and\n"
    "writes each as a BMP file.\n"
    "\n"
    "  --manager FILE        the data source manager to load (default TWAIN_32.DLL;\n"
    "                        e.g. TWAINDSM.DLL, the TWAIN 2 manager)\n"
    "  --parent W            the window handed to the source when it is enabled:\n"
    "                        own (default), desktop or null\n"
    "  --dsm-parent W        the window handed to the manager at MSG_OPENDSM:\n"
    "                        own (default), other-thread or null (null-pointer:\n"
    "                        DAT_PARENT without data, as a broken application)\n"
    "  --list                print the identity of every source the manager knows\n"
    "  --source NAME         the source to use (default \"Tavix Scanner\"); without\n"
    "                        --scan it is opened, shown and closed again\n"
    "  --scan                acquire pages (implied by any option below)\n"
    "  --pixel-type T        bw, gray or rgb\n"
    "  --resolution DPI      both resolutions, e.g. 300\n"
    "  --frame L,T,R,B       scan frame in inches, e.g. 0,0,8.5,11\n"
    "  --detect-eop on|off   end-of-page detection (private capability 0xBC01)\n"
    "  --mech M              native, file or memory transfer (default native)\n"
    "  --indicators on|off   the source's progress windows\n"
    "  --pages N             pages asked for (CAP_XFERCOUNT; -1 = all, default 1)\n"
    "  --ui                  enable the source with its own user interface\n"
    "  --ui-only             show only the source's settings dialog\n"
    "                        (MSG_ENABLEDSUIONLY); nothing is scanned\n"
    "  --batch               scan every sheet in the feeder: enable the source again\n"
    "                        after each page while CAP_FEEDERLOADED reports paper\n"
    "  --scans N             enable the source N times in one session (default 1)\n"
    "  --reopen              close and open the source again between those scans\n"
    "  --wait-close on|off   after the transfers, wait for the source's close request\n"
    "                        before disabling it (default on)\n"
    "  --out PREFIX          output files PREFIX-1.bmp, PREFIX-2.bmp ... (default scan)\n"
    "  --timeout S           give up when no page is ready after S seconds (default 120)\n"
    "  --help                print this text\n"
    "\n"
    "It prints what it does: the capabilities as the source reports them after\n"
    "negotiation, the image information of each page, every transfer's result\n"
    "and the notifications. Exit status: 0 when every step succeeded, 1 when one\n"
    "failed (the source's condition code is printed), 2 for bad arguments, 3\n"
    "when the user cancelled a page in the source's progress window.\n"
    "\n"
    "Examples:\n"
    "  tavix-twain --list\n"
    "  tavix-twain --pixel-type gray --resolution 200 --mech memory --out letter\n"
    "  tavix-twain --detect-eop on --pages -1 --batch --indicators off --out sheet\n";

namespace {

bool OnOff(const char* text, int& value) {
    if (!std::strcmp(text, "on")) value = 1;
    else if (!std::strcmp(text, "off")) value = 0;
    else return false;
    return true;
}

bool Integer(const char* text, int& value) {
    char* end = nullptr;
    long parsed = std::strtol(text, &end, 10);
    if (end == text || *end) return false;
    value = static_cast<int>(parsed);
    return true;
}

}  // namespace

bool ParseOptions(int argc, char** argv, ClientOptions& o, bool& help, std::string& error) {
    help = false;
    bool openOnly = false;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        auto needValue = [&]() {
            if (!value) error = std::string(arg) + " needs a value";
            else ++i;
            return value != nullptr;
        };
        if (!std::strcmp(arg, "--help")) {
            help = true;
            return true;
        } else if (!std::strcmp(arg, "--list")) {
            o.list = true;
        } else if (!std::strcmp(arg, "--scan")) {
            o.scan = true;
        } else if (!std::strcmp(arg, "--batch")) {
            o.batch = o.scan = true;
        } else if (!std::strcmp(arg, "--ui")) {
            o.showUi = o.scan = true;
        } else if (!std::strcmp(arg, "--ui-only")) {
            o.uiOnly = o.showUi = o.scan = true;
        } else if (!std::strcmp(arg, "--source")) {
            if (!needValue()) return false;
            o.source = value;
            openOnly = true;
        } else if (!std::strcmp(arg, "--pixel-type")) {
            if (!needValue()) return false;
            if (!std::strcmp(value, "bw")) o.pixelType = TWPT_BW;
            else if (!std::strcmp(value, "gray")) o.pixelType = TWPT_GRAY;
            else if (!std::strcmp(value, "rgb")) o.pixelType = TWPT_RGB;
            else return error = "--pixel-type takes bw, gray or rgb", false;
            o.scan = true;
        } else if (!std::strcmp(arg, "--resolution")) {
            if (!needValue()) return false;
            if (!Integer(value, o.resolution) || o.resolution <= 0)
                return error = "--resolution takes a positive number", false;
            o.scan = true;
        } else if (!std::strcmp(arg, "--frame")) {
            if (!needValue()) return false;
            if (std::sscanf(value, "%lf,%lf,%lf,%lf", &o.left, &o.top, &o.right, &o.bottom) != 4)
                return error = "--frame takes L,T,R,B in inches", false;
            o.haveFrame = o.scan = true;
        } else if (!std::strcmp(arg, "--detect-eop")) {
            if (!needValue()) return false;
            if (!OnOff(value, o.detectEop)) return error = "--detect-eop takes on or off", false;
            o.scan = true;
        } else if (!std::strcmp(arg, "--indicators")) {
            if (!needValue()) return false;
            if (!OnOff(value, o.indicators)) return error = "--indicators takes on or off", false;
            o.scan = true;
        } else if (!std::strcmp(arg, "--mech")) {
            if (!needValue()) return false;
            if (!std::strcmp(value, "native")) o.mechanism = TWSX_NATIVE;
            else if (!std::strcmp(value, "file")) o.mechanism = TWSX_FILE;
            else if (!std::strcmp(value, "memory")) o.mechanism = TWSX_MEMORY;
            else return error = "--mech takes native, file or memory", false;
            o.scan = true;
        } else if (!std::strcmp(arg, "--pages")) {
            if (!needValue()) return false;
            if (!Integer(value, o.pages) || o.pages == 0 || o.pages < -1)
                return error = "--pages takes a positive number or -1", false;
            o.scan = true;
        } else if (!std::strcmp(arg, "--manager")) {
            if (!needValue()) return false;
            if (!*value) return error = "--manager takes a file name", false;
            o.manager = value;
        } else if (!std::strcmp(arg, "--parent")) {
            if (!needValue()) return false;
            if (!std::strcmp(value, "own")) o.parent = ParentWindow::Own;
            else if (!std::strcmp(value, "desktop")) o.parent = ParentWindow::Desktop;
            else if (!std::strcmp(value, "null")) o.parent = ParentWindow::Null;
            else return error = "--parent takes own, desktop or null", false;
        } else if (!std::strcmp(arg, "--dsm-parent")) {
            if (!needValue()) return false;
            if (!std::strcmp(value, "own")) o.managerWindow = ManagerWindow::Own;
            else if (!std::strcmp(value, "other-thread")) o.managerWindow = ManagerWindow::OtherThread;
            else if (!std::strcmp(value, "null")) o.managerWindow = ManagerWindow::Null;
            else if (!std::strcmp(value, "null-pointer")) o.managerWindow = ManagerWindow::NullPointer;
            else return error = "--dsm-parent takes own, other-thread, null or null-pointer", false;
        } else if (!std::strcmp(arg, "--scans")) {
            if (!needValue()) return false;
            if (!Integer(value, o.scans) || o.scans <= 0)
                return error = "--scans takes a positive number", false;
            o.scan = true;
        } else if (!std::strcmp(arg, "--reopen")) {
            o.reopen = o.scan = true;
        } else if (!std::strcmp(arg, "--wait-close")) {
            if (!needValue()) return false;
            int wait = 1;
            if (!OnOff(value, wait)) return error = "--wait-close takes on or off", false;
            o.waitClose = wait != 0;
            o.scan = true;
        } else if (!std::strcmp(arg, "--out")) {
            if (!needValue()) return false;
            o.out = value;
            o.scan = true;
        } else if (!std::strcmp(arg, "--timeout")) {
            if (!needValue()) return false;
            if (!Integer(value, o.timeoutSeconds) || o.timeoutSeconds <= 0)
                return error = "--timeout takes a positive number of seconds", false;
        } else {
            error = std::string("unknown argument \"") + arg + "\"";
            return false;
        }
    }
    o.open = openOnly || o.scan || !o.list;
    return true;
}
