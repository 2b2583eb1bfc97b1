#include "setup/setup_state.h"

SetupState& State() {
    static SetupState state;
    return state;
}
