#pragma once

#include <string>
#include <string_view>

// The part of a path after its last "/" or "\", or the whole path.
std::string ExtractTitleName(std::string_view path);
