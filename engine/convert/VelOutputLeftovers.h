#pragma once

#include <QString>

// Clears what conversions of a killed process left in the output root: the
// partial files (and the empty claims of their final names) in the root and
// in each source's folder directly under it, and every such folder that held
// nothing else, so the next conversion of that source reuses its folder
// rather than moving on to a numbered one.
class VelOutputLeftovers
{
public:
    // Returns how many partial files were removed.
    static int sweep(const QString &root);
};
