#include "tests/datasource/data_source_module.h"

#include <cstring>

namespace {

class Dispatch : public DataSourceModule {};

struct Triplet {
    TW_UINT32 dg;
    TW_UINT16 dat;
    TW_UINT16 msg;
};

TEST_F(Dispatch, TripletsOutsideTheTableAreBadProtocol) {
    const Triplet unknown[] = {
        {3, DAT_STATUS, MSG_GET},
        {0, DAT_STATUS, MSG_GET},
        {DG_AUDIO, DAT_STATUS, MSG_GET},
        {DG_CONTROL, DAT_PARENT, MSG_OPENDSM},
        {DG_CONTROL, DAT_NULL, MSG_XFERREADY},
        {DG_CONTROL, DAT_IDENTITY, MSG_GETFIRST},
        {DG_CONTROL, DAT_IDENTITY, MSG_GETNEXT},
        {DG_CONTROL, DAT_STATUS, MSG_SET},
        {DG_CONTROL, DAT_XFERGROUP, MSG_SET},
        {DG_CONTROL, DAT_SETUPMEMXFER, MSG_RESET},
        {DG_CONTROL, DAT_CAPABILITY, MSG_GETFIRST},
        {DG_CONTROL, DAT_USERINTERFACE, MSG_GET},
        {DG_CONTROL, DAT_IMAGEINFO, MSG_GET},
        {DG_IMAGE, DAT_CAPABILITY, MSG_GET},
        {DG_IMAGE, DAT_IMAGEINFO, MSG_SET},
        {DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_RESET},
        {DG_CONTROL, 0x7777, MSG_GET},
        {DG_CONTROL, DAT_STATUS, 0x7777},
    };
    for (const Triplet& t : unknown) {
        char scratch[512] = {};
        EXPECT_EQ(TWRC_FAILURE, Call(t.dg, t.dat, t.msg, scratch))
            << t.dg << "/" << t.dat << "/" << t.msg;
        EXPECT_EQ(TWCC_BADPROTOCOL, Condition()) << t.dg << "/" << t.dat << "/" << t.msg;
    }
    EXPECT_FALSE(IsOpen());
}

TEST_F(Dispatch, ConditionStaysUntilReadEvenAcrossSuccesses) {
    EXPECT_EQ(TWRC_FAILURE, Call(3, DAT_STATUS, MSG_GET, nullptr));
    TW_IDENTITY identity{};
    ScopedScannerOnPath scanner(true);
    EXPECT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_IDENTITY, MSG_GET, &identity));
    EXPECT_EQ(TWCC_BADPROTOCOL, Condition());
    EXPECT_EQ(TWCC_SUCCESS, Condition());
}

TEST_F(Dispatch, LatestFailureWins) {
    TW_UINT32 group = 0;
    Call(3, DAT_STATUS, MSG_GET, nullptr);
    Call(DG_CONTROL, DAT_XFERGROUP, MSG_GET, &group);
    EXPECT_EQ(TWCC_SEQERROR, Condition());
}

TEST_F(Dispatch, StatusWithoutStructureIsRefusedAndKeepsNothingElse) {
    EXPECT_EQ(TWRC_FAILURE, Call(DG_CONTROL, DAT_STATUS, MSG_GET, nullptr));
    EXPECT_EQ(TWCC_BADVALUE, Condition());
}

TEST_F(Dispatch, CloseWhileNotOpenSucceedsAndLeavesTheCondition) {
    Call(DG_CONTROL, DAT_PARENT, MSG_OPENDSM, nullptr);
    EXPECT_EQ(TWRC_SUCCESS, Close());
    EXPECT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, nullptr));
    EXPECT_EQ(TWCC_BADPROTOCOL, Condition());
}

// Every operation that needs an open source, called while it is closed.
TEST_F(Dispatch, ClosedSourceRefusesEverythingButStatusEventsIdentityAndClose) {
    const Triplet needOpen[] = {
        {DG_CONTROL, DAT_CAPABILITY, MSG_GET},       {DG_CONTROL, DAT_CAPABILITY, MSG_GETCURRENT},
        {DG_CONTROL, DAT_CAPABILITY, MSG_GETDEFAULT}, {DG_CONTROL, DAT_CAPABILITY, MSG_SET},
        {DG_CONTROL, DAT_CAPABILITY, MSG_RESET},     {DG_CONTROL, DAT_CAPABILITY, MSG_QUERYSUPPORT},
        {DG_CONTROL, DAT_PENDINGXFERS, MSG_GET},     {DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET},
        {DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER}, {DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET},
        {DG_CONTROL, DAT_SETUPFILEXFER, MSG_GET},    {DG_CONTROL, DAT_SETUPFILEXFER, MSG_GETDEFAULT},
        {DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET},    {DG_CONTROL, DAT_SETUPFILEXFER, MSG_RESET},
        {DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS}, {DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS},
        {DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDSUIONLY}, {DG_CONTROL, DAT_XFERGROUP, MSG_GET},
        {DG_IMAGE, DAT_IMAGEINFO, MSG_GET},          {DG_IMAGE, DAT_IMAGELAYOUT, MSG_GET},
        {DG_IMAGE, DAT_IMAGELAYOUT, MSG_GETDEFAULT}, {DG_IMAGE, DAT_IMAGELAYOUT, MSG_SET},
        {DG_IMAGE, DAT_IMAGELAYOUT, MSG_RESET},      {DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET},
        {DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET},    {DG_IMAGE, DAT_IMAGEFILEXFER, MSG_GET},
    };
    for (const Triplet& t : needOpen) {
        char scratch[512] = {};
        EXPECT_EQ(TWRC_FAILURE, Call(t.dg, t.dat, t.msg, scratch)) << t.dat << "/" << t.msg;
        EXPECT_EQ(TWCC_SEQERROR, Condition()) << t.dat << "/" << t.msg;
    }
}

}  // namespace
