// Files of the build tree as a Windows program under Wine names them.
#pragma once

#include <string>

// `relative` is a path below the build tree, with forward slashes.
std::string BuildTreePath(const std::string& relative);
