#include "same_site.h"

namespace live {

bool SameSite(const std::string& host, const std::string& origin, const std::string& fetchSite, int port)
{
    // "none": the person opened the address, or a download, themselves.
    if (!fetchSite.empty() && fetchSite != "same-origin" && fetchSite != "none")
        return false;
    const std::string suffix = ":" + std::to_string(port);
    const std::string names[] = {"127.0.0.1" + suffix, "localhost" + suffix};
    bool hostKnown = false, originKnown = origin.empty();
    for (const std::string& name : names) {
        hostKnown = hostKnown || host == name;
        originKnown = originKnown || origin == "http://" + name;
    }
    return hostKnown && originKnown;
}

}  // namespace live
