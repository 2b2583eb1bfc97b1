// The accepted states of every operation, checked against the TWAIN state
// table written out here in full, and the dispatcher's use of them in every
// state from 3 to 7.
#include "datasource/data_source_app.h"
#include "datasource/triplet_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ExpectedRule {
    TW_UINT32 dg;
    TW_UINT16 dat;
    TW_UINT16 msg;
    std::vector<int> states;
};

const std::vector<ExpectedRule>& ExpectedRules() {
    static const std::vector<ExpectedRule> rules = {
        {DG_CONTROL, DAT_STATUS, MSG_GET, {3, 4, 5, 6, 7}},
        {DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, {3, 4, 5, 6, 7}},
        {DG_CONTROL, DAT_IDENTITY, MSG_GET, {3, 4, 5, 6, 7}},
        {DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, {3}},
        {DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, {3, 4, 5, 6, 7}},
        {DG_CONTROL, DAT_CAPABILITY, MSG_GET, {4, 5, 6, 7}},
        {DG_CONTROL, DAT_CAPABILITY, MSG_GETCURRENT, {4, 5, 6, 7}},
        {DG_CONTROL, DAT_CAPABILITY, MSG_GETDEFAULT, {4, 5, 6, 7}},
        {DG_CONTROL, DAT_CAPABILITY, MSG_QUERYSUPPORT, {4, 5, 6, 7}},
        {DG_CONTROL, DAT_CAPABILITY, MSG_SET, {4}},
        {DG_CONTROL, DAT_CAPABILITY, MSG_RESET, {4}},
        {DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, {4}},
        {DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDSUIONLY, {4}},
        {DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, {5, 6, 7}},
        {DG_CONTROL, DAT_PENDINGXFERS, MSG_GET, {4, 5, 6, 7}},
        {DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, {6, 7}},
        {DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, {6, 7}},
        {DG_CONTROL, DAT_XFERGROUP, MSG_GET, {4, 5, 6, 7}},
        {DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, {4, 5, 6}},
        {DG_CONTROL, DAT_SETUPFILEXFER, MSG_GET, {4, 5, 6}},
        {DG_CONTROL, DAT_SETUPFILEXFER, MSG_GETDEFAULT, {4, 5, 6}},
        {DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET, {4, 5, 6}},
        {DG_CONTROL, DAT_SETUPFILEXFER, MSG_RESET, {4}},
        {DG_IMAGE, DAT_IMAGELAYOUT, MSG_GET, {4, 5, 6}},
        {DG_IMAGE, DAT_IMAGELAYOUT, MSG_GETDEFAULT, {4, 5, 6}},
        {DG_IMAGE, DAT_IMAGELAYOUT, MSG_SET, {4}},
        {DG_IMAGE, DAT_IMAGELAYOUT, MSG_RESET, {4}},
        {DG_IMAGE, DAT_IMAGEINFO, MSG_GET, {6, 7}},
        {DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, {6, 7}},
        {DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, {6}},
        {DG_IMAGE, DAT_IMAGEFILEXFER, MSG_GET, {6}},
    };
    return rules;
}

std::string Name(const ExpectedRule& rule) {
    return std::to_string(rule.dg) + "/" + std::to_string(rule.dat) + "/" +
           std::to_string(rule.msg);
}

TEST(StateRules, EveryTripletOfTheTableHasItsAcceptedStates) {
    for (const ExpectedRule& expected : ExpectedRules()) {
        const TripletRule* rule = FindTripletRule(expected.dg, expected.dat, expected.msg);
        ASSERT_NE(nullptr, rule) << Name(expected);
        unsigned mask = 0;
        for (int state : expected.states) mask |= StateBit(state);
        EXPECT_EQ(mask, rule->AcceptedStates) << Name(expected);
    }
}

// Operations that must not run here (they would open the scanner, show
// dialogs or start scans) are checked only where they are refused.
TEST(StateRules, DispatcherRefusesEveryOperationOutsideItsStatesAndChangesNothing) {
    CDataSourceApp& app = TheApp();
    for (const ExpectedRule& expected : ExpectedRules()) {
        for (int state = 3; state <= 7; ++state) {
            bool accepted = false;
            for (int s : expected.states) accepted |= (s == state);
            if (accepted) continue;
            app.State = static_cast<int16_t>(state);
            app.SetCondition(TWCC_SUCCESS);
            char scratch[512] = {};
            TW_IDENTITY origin{};
            EXPECT_EQ(TWRC_FAILURE,
                      DispatchTriplet(&origin, expected.dg, expected.dat, expected.msg, scratch))
                << Name(expected) << " in state " << state;
            EXPECT_EQ(TWCC_SEQERROR, app.Status.ConditionCode) << Name(expected) << " in state " << state;
            EXPECT_EQ(state, app.State) << Name(expected);
        }
    }
    app.State = 3;
}

TEST(StateRules, XferGroupIsImageInEveryOpenState) {
    CDataSourceApp& app = TheApp();
    for (int state = 4; state <= 7; ++state) {
        app.State = static_cast<int16_t>(state);
        TW_UINT32 group = 0;
        EXPECT_EQ(TWRC_SUCCESS, DispatchTriplet(nullptr, DG_CONTROL, DAT_XFERGROUP, MSG_GET, &group));
        EXPECT_EQ(DG_IMAGE, group);
    }
    app.State = 3;
}

// Every operation but three refuses a call without data. Applications call
// the file transfer without data (its file was set up before), and closing and
// disabling need none; their null-data calls are the transfer and close tests'.
TEST(StateRules, NullDataIsRefusedWhereAnOperationNeedsIt) {
    CDataSourceApp& app = TheApp();
    for (const ExpectedRule& expected : ExpectedRules()) {
        const bool optional = (expected.dat == DAT_IDENTITY && expected.msg == MSG_CLOSEDS) ||
                              (expected.dat == DAT_USERINTERFACE && expected.msg == MSG_DISABLEDS) ||
                              expected.dat == DAT_IMAGEFILEXFER;
        if (optional) continue;
        app.State = static_cast<int16_t>(expected.states.front());
        app.SetCondition(TWCC_SUCCESS);
        TW_IDENTITY origin{};
        EXPECT_EQ(TWRC_FAILURE, DispatchTriplet(&origin, expected.dg, expected.dat, expected.msg, nullptr))
            << Name(expected);
        EXPECT_EQ(TWCC_BADVALUE, app.Status.ConditionCode) << Name(expected);
        EXPECT_EQ(expected.states.front(), app.State) << Name(expected);
    }
    app.State = 3;
}

}  // namespace
