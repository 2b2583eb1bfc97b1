// Xvfb has no window manager, and Wine waits two seconds for one whenever a
// window it handed over is hidden: each progress window would cost the
// benchmark two seconds that no desktop charges. For as long as this object
// lives, Wine draws the frames of this program's windows itself (its X11
// option Managed = N for this program only, in the prefix's registry), so
// the children started meanwhile show their windows without that wait.
// Afterwards the registry is as it was. Nothing happens outside Wine.
#pragma once

#include <windows.h>

#include <string>

class OwnWindowFrames {
public:
    OwnWindowFrames();
    ~OwnWindowFrames();
    OwnWindowFrames(const OwnWindowFrames&) = delete;
    OwnWindowFrames& operator=(const OwnWindowFrames&) = delete;

private:
    std::string appKey_;  // empty: nothing was changed
    bool appKeyExisted_ = false;
    bool hadValue_ = false;
    std::string previous_;
};
