// The caption of the data source's progress windows and of the message boxes
// of a scan; the product's name is the same in every language.
#pragma once

constexpr const char* kProductCaption = "Tavix Scanner";
