#pragma once

// Width and height, in logical pixels, of one corner cell of a nine-part background.
struct rectSize
{
    int width = 0;
    int height = 0;

    rectSize() = default;
    rectSize(int w, int h) : width(w), height(h) {}
};
