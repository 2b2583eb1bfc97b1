#include "support/build_tree.h"

std::string BuildTreePath(const std::string& relative) {
    // Wine maps the Unix root to drive Z:.
    return std::string("Z:") + TAVIX_BINARY_DIR + "/" + relative;
}
