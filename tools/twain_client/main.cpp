// tavix-twain: a command-line TWAIN application.
#include "tools/twain_client/dsm_session.h"
#include "tools/twain_client/negotiation.h"
#include "tools/twain_client/options.h"
#include "tools/twain_client/transfers.h"

#include <cstdio>
#include <string>

namespace {

void PrintIdentity(const TW_IDENTITY& id) {
    std::printf("source \"%s\"\n", id.ProductName);
    std::printf("  manufacturer:   %s\n", id.Manufacturer);
    std::printf("  product family: %s\n", id.ProductFamily);
    std::printf("  version:        %u.%u (%s)\n", id.Version.MajorNum, id.Version.MinorNum,
                id.Version.Info);
    std::printf("  protocol:       %u.%u\n", id.ProtocolMajor, id.ProtocolMinor);
    std::printf("  groups:         0x%lx\n", static_cast<unsigned long>(id.SupportedGroups));
}

const char* MessageName(TW_UINT16 message) {
    switch (message) {
    case MSG_XFERREADY:
        return "MSG_XFERREADY";
    case MSG_CLOSEDSREQ:
        return "MSG_CLOSEDSREQ";
    case MSG_CLOSEDSOK:
        return "MSG_CLOSEDSOK";
    case MSG_ENABLEDS:
        return "MSG_ENABLEDS";
    case MSG_ENABLEDSUIONLY:
        return "MSG_ENABLEDSUIONLY";
    default:
        return "other";
    }
}

enum class Outcome { Done, Cancelled, Failed };

Outcome Worse(Outcome a, Outcome b) { return static_cast<int>(a) > static_cast<int>(b) ? a : b; }

// Transfers every pending page.
Outcome TransferPages(DsmSession& session, const ClientOptions& o, int& pageNumber) {
    for (;;) {
        const std::string path = o.out + "-" + std::to_string(++pageNumber) + ".bmp";
        bool written = false;
        TW_UINT16 rc = TransferPage(session, o.mechanism, path, written);
        Outcome outcome = Outcome::Done;
        if (rc == TWRC_XFERDONE && written) {
            std::printf("page %d: transfer done, written to %s\n", pageNumber, path.c_str());
        } else if (rc == TWRC_CANCEL) {
            std::printf("page %d: cancelled\n", pageNumber);
            outcome = Outcome::Cancelled;
            --pageNumber;
        } else {
            std::fprintf(stderr, "tavix-twain: page %d: transfer failed: TWRC %u, condition %u\n",
                         pageNumber, rc, session.SourceCondition());
            outcome = Outcome::Failed;
            --pageNumber;
        }
        TW_PENDINGXFERS pending{};
        TW_UINT16 end = session.ToSource(DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending);
        if (end != TWRC_SUCCESS) {
            std::fprintf(stderr, "tavix-twain: MSG_ENDXFER failed, condition %u\n", session.SourceCondition());
            return Outcome::Failed;
        }
        std::printf("pending transfers: %d\n", static_cast<TW_INT16>(pending.Count));
        if (outcome != Outcome::Done || pending.Count == 0) return outcome;
    }
}

bool FeederLoaded(DsmSession& session) {
    TW_CAPABILITY capability{CAP_FEEDERLOADED, TWON_DONTCARE16, nullptr};
    if (session.ToSource(DG_CONTROL, DAT_CAPABILITY, MSG_GETCURRENT, &capability) != TWRC_SUCCESS)
        return false;
    const auto* one = static_cast<const TW_ONEVALUE*>(GlobalLock(capability.hContainer));
    const bool loaded = one && capability.ConType == TWON_ONEVALUE && one->Item != 0;
    GlobalUnlock(capability.hContainer);
    GlobalFree(capability.hContainer);
    return loaded;
}

// The window the source is enabled and disabled with.
HWND ParentFor(const DsmSession& session, ParentWindow parent) {
    switch (parent) {
    case ParentWindow::Desktop:
        return GetDesktopWindow();
    case ParentWindow::Null:
        return nullptr;
    default:
        return session.Window();
    }
}

// Enables the source and serves its events until it asks to be closed.
Outcome AcquireOnce(DsmSession& session, const ClientOptions& o, int& pageNumber) {
    TW_USERINTERFACE ui{};
    ui.ShowUI = o.showUi ? 1 : 0;
    ui.ModalUI = 0;
    ui.hParent = ParentFor(session, o.parent);
    const TW_UINT16 enable = o.uiOnly ? MSG_ENABLEDSUIONLY : MSG_ENABLEDS;
    TW_UINT16 rc = session.ToSource(DG_CONTROL, DAT_USERINTERFACE, enable, &ui);
    if (rc != TWRC_SUCCESS) {
        std::fprintf(stderr, "tavix-twain: %s failed: TWRC %u, condition %u\n", MessageName(enable), rc,
                     session.SourceCondition());
        return Outcome::Failed;
    }
    std::printf("source enabled%s\n", o.showUi ? (ui.ModalUI ? ", modal dialog" : ", modeless dialog") : "");
    bool closedOk = false;
    bool closeRequested = false;
    Outcome outcome = Outcome::Done;
    const int pagesBefore = pageNumber;
    bool done = false;
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(o.timeoutSeconds) * 1000;
    while (!done) {
        MSG message;
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (static_cast<LONG>(GetTickCount() - deadline) > 0) {
                std::fprintf(stderr, "tavix-twain: no notification within %d seconds\n", o.timeoutSeconds);
                outcome = Outcome::Failed;
                break;
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
            continue;
        }
        TW_UINT16 twain = session.ProcessEvent(message);
        if (twain == MSG_NULL) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
            continue;
        }
        std::printf("notification: %s\n", MessageName(twain));
        if (twain == MSG_XFERREADY) {
            outcome = Worse(outcome, TransferPages(session, o, pageNumber));
            // With pages left the source stays in state 6 until they are reset.
            // Either way it asks to be closed next, also without its dialog.
            TW_PENDINGXFERS pending{};
            session.ToSource(DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, &pending);
            // An application may disable the source at once, with the close
            // request still in its queue.
            if (!o.waitClose) done = true;
        } else if (twain == MSG_CLOSEDSREQ || twain == MSG_CLOSEDSOK) {
            closedOk = twain == MSG_CLOSEDSOK;
            closeRequested = twain == MSG_CLOSEDSREQ;
            done = true;
        }
    }
    TW_USERINTERFACE disable{};
    disable.hParent = ParentFor(session, o.parent);
    rc = session.ToSource(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &disable);
    if (rc == TWRC_SUCCESS) {
        std::printf("source disabled\n");
    } else {
        std::fprintf(stderr, "tavix-twain: MSG_DISABLEDS failed: TWRC %u, condition %u\n", rc,
                     session.SourceCondition());
        outcome = Outcome::Failed;
    }
    if (outcome == Outcome::Done && pageNumber == pagesBefore) {
        // The user closed the source's dialog without scanning, or only
        // accepted its settings.
        // A manager that knows only TWAIN 1.x codes turns the settings
        // dialog's MSG_CLOSEDSOK into a close request.
        if (o.uiOnly)
            std::printf(closedOk ? "settings accepted\n" : "settings dialog closed\n");
        else if (o.showUi && closeRequested)
            outcome = Outcome::Cancelled;
        else
            outcome = Outcome::Failed;
    }
    return outcome;
}

// One scan: an enable, then more while the feeder holds paper in a batch.
Outcome AcquireSheets(DsmSession& session, const ClientOptions& o, int& pageNumber) {
    Outcome outcome = AcquireOnce(session, o, pageNumber);
    while (outcome == Outcome::Done && o.batch && FeederLoaded(session))
        outcome = AcquireOnce(session, o, pageNumber);
    return outcome;
}

bool Reopen(DsmSession& session, const ClientOptions& o) {
    if (!session.CloseSource()) {
        std::fprintf(stderr, "tavix-twain: closing the source failed\n");
        return false;
    }
    std::printf("closed \"%s\"\n", o.source.c_str());
    if (!session.OpenSource(o.source.c_str())) {
        std::fprintf(stderr, "tavix-twain: %s\n", session.Error().c_str());
        return false;
    }
    std::printf("opened \"%s\" again\n", o.source.c_str());
    return Negotiate(session, o);
}

Outcome Acquire(DsmSession& session, const ClientOptions& o) {
    int pageNumber = 0;
    Outcome outcome = AcquireSheets(session, o, pageNumber);
    for (int scan = 2; scan <= o.scans && outcome == Outcome::Done; ++scan) {
        if (o.reopen && !Reopen(session, o)) {
            outcome = Outcome::Failed;
            break;
        }
        std::printf("scan %d\n", scan);
        outcome = AcquireSheets(session, o, pageNumber);
    }
    std::printf("%d page(s) scanned\n", pageNumber);
    return outcome;
}

}  // namespace

int main(int argc, char** argv) {
    ClientOptions options;
    bool help = false;
    std::string error;
    if (!ParseOptions(argc, argv, options, help, error)) {
        std::fprintf(stderr, "tavix-twain: %s\n\n%s", error.c_str(), kClientUsage);
        return 2;
    }
    if (help) {
        std::fputs(kClientUsage, stdout);
        return 0;
    }

    DsmSession session;
    if (!session.Open(options.manager, options.managerWindow)) {
        std::fprintf(stderr, "tavix-twain: %s\n", session.Error().c_str());
        return 1;
    }
    if (options.list) {
        std::vector<TW_IDENTITY> sources;
        if (!session.ListSources(sources)) {
            std::fprintf(stderr, "tavix-twain: %s\n", session.Error().c_str());
            return 1;
        }
        for (const TW_IDENTITY& id : sources) PrintIdentity(id);
        if (sources.empty()) std::printf("no sources\n");
        if (!options.open) return 0;
    }
    if (!session.OpenSource(options.source.c_str())) {
        std::fprintf(stderr, "tavix-twain: %s\n", session.Error().c_str());
        return 1;
    }
    std::printf("opened ");
    PrintIdentity(session.Source());
    TW_UINT32 group = 0;
    if (session.ToSource(DG_CONTROL, DAT_XFERGROUP, MSG_GET, &group) != TWRC_SUCCESS) {
        std::fprintf(stderr, "tavix-twain: DAT_XFERGROUP failed, condition %u\n", session.SourceCondition());
        return 1;
    }
    std::printf("  transfer group: %s\n", group == DG_IMAGE ? "DG_IMAGE" : "other");

    Outcome outcome = Outcome::Done;
    if (options.scan) outcome = Negotiate(session, options) ? Acquire(session, options) : Outcome::Failed;
    if (session.CloseSource()) {
        std::printf("closed \"%s\"\n", options.source.c_str());
    } else {
        std::fprintf(stderr, "tavix-twain: closing the source failed\n");
        outcome = Outcome::Failed;
    }
    switch (outcome) {
    case Outcome::Done:
        return 0;
    case Outcome::Cancelled:
        return 3;
    default:
        return 1;
    }
}
