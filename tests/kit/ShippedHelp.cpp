#include "kit/ShippedHelp.h"

#include <regex>

namespace tarvik::testing {

std::filesystem::path shippedHelpFolder()
{
    return std::filesystem::path(__FILE__).parent_path() / "../../docs/help";
}

std::vector<std::string> linksOf(const std::string& page)
{
    std::vector<std::string> links;
    const std::regex href(R"re(href="([^"]*)")re");
    for (auto it = std::sregex_iterator(page.begin(), page.end(), href); it != std::sregex_iterator(); ++it)
        links.push_back((*it)[1].str());
    return links;
}

} // namespace tarvik::testing
