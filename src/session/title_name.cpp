#include "session/title_name.h"

std::string ExtractTitleName(std::string_view path)
{
    const std::size_t separator = path.find_last_of("/\\");
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}
