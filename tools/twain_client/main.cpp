// tavix-twain: lists the TWAIN sources the manager knows and opens one.
#include "tools/twain_client/dsm_session.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char kUsage[] =
    "usage: tavix-twain [--list] [--source NAME]\n"
    "\n"
    "Talks to TWAIN sources through the data source manager TWAIN_32.DLL.\n"
    "\n"
    "  --list          print the identity of every source the manager knows\n"
    "  --source NAME   open the source whose product name is NAME, print its\n"
    "                  identity and transfer group, and close it again\n"
    "                  (default NAME: \"Tavix Scanner\")\n"
    "  --help          print this text\n"
    "\n"
    "Exit status: 0 when every step succeeded, 1 when one failed, 2 for bad arguments.\n";

void PrintIdentity(const TW_IDENTITY& id) {
    std::printf("source \"%s\"\n", id.ProductName);
    std::printf("  manufacturer:   %s\n", id.Manufacturer);
    std::printf("  product family: %s\n", id.ProductFamily);
    std::printf("  version:        %u.%u (%s)\n", id.Version.MajorNum, id.Version.MinorNum,
                id.Version.Info);
    std::printf("  protocol:       %u.%u\n", id.ProtocolMajor, id.ProtocolMinor);
    std::printf("  groups:         0x%lx\n", static_cast<unsigned long>(id.SupportedGroups));
}

}  // namespace

int main(int argc, char** argv) {
    bool list = false;
    bool open = false;
    std::string sourceName = "Tavix Scanner";
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--list")) {
            list = true;
        } else if (!std::strcmp(argv[i], "--source") && i + 1 < argc) {
            open = true;
            sourceName = argv[++i];
        } else if (!std::strcmp(argv[i], "--help")) {
            std::fputs(kUsage, stdout);
            return 0;
        } else {
            std::fprintf(stderr, "tavix-twain: unknown argument \"%s\"\n\n%s", argv[i], kUsage);
            return 2;
        }
    }
    if (!list && !open) open = true;

    DsmSession session;
    if (!session.Open()) {
        std::fprintf(stderr, "tavix-twain: %s\n", session.Error().c_str());
        return 1;
    }
    if (list) {
        std::vector<TW_IDENTITY> sources;
        if (!session.ListSources(sources)) {
            std::fprintf(stderr, "tavix-twain: %s\n", session.Error().c_str());
            return 1;
        }
        for (const TW_IDENTITY& id : sources) PrintIdentity(id);
        if (sources.empty()) std::printf("no sources\n");
    }
    if (open) {
        if (!session.OpenSource(sourceName.c_str())) {
            std::fprintf(stderr, "tavix-twain: %s\n", session.Error().c_str());
            return 1;
        }
        std::printf("opened ");
        PrintIdentity(session.Source());
        TW_UINT32 group = 0;
        TW_UINT16 rc = session.ToSource(DG_CONTROL, DAT_XFERGROUP, MSG_GET, &group);
        if (rc != TWRC_SUCCESS) {
            std::fprintf(stderr, "tavix-twain: DAT_XFERGROUP failed, condition %u\n",
                         session.SourceCondition());
            return 1;
        }
        std::printf("  transfer group: %s\n", group == DG_IMAGE ? "DG_IMAGE" : "other");
        session.CloseSource();
        std::printf("closed \"%s\"\n", sourceName.c_str());
    }
    return 0;
}
