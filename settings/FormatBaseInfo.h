#pragma once

#include <string>

// One preset as the format grid lists it.
struct FormatBaseInfo
{
    std::string title;
    std::string id;
    std::string ext;
    std::string category;
    std::string icon;
};
