// The unit in which the dialog shows lengths: 0 metric, 1 inches. The data
// source object keeps one for the module's life and hands it to the dialog.
#pragma once

class MeasureUnit {
public:
    // The stored unit, or the one the user's locale measures in; asked once,
    // then remembered.
    int Get() const;
    // Stores `unit` in the profile and remembers it.
    void Set(int unit);

private:
    mutable int unit_ = -1;  // -1 until first asked or set
};
