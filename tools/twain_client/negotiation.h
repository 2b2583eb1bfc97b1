// Setting and reading back capabilities and the layout of the open source.
#pragma once

#include "tools/twain_client/dsm_session.h"
#include "tools/twain_client/options.h"

// Sets what the options ask for and prints each capability as the source
// reports it afterwards. False (with a message on stderr) when a step fails.
bool Negotiate(DsmSession& session, const ClientOptions& options);

// The private capability of end-of-page detection.
constexpr TW_UINT16 kCapDetectEndOfPage = 0xBC01;
