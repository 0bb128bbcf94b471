/* Whether a request comes from the live page itself: a page of another site
 * could otherwise drive the simulation through the pilot's browser, and a
 * name that another site's address resolves to (DNS rebinding) must not
 * reach it either. */
#ifndef BRIMSTAR_RUNNER_LIVE_SAME_SITE_H
#define BRIMSTAR_RUNNER_LIVE_SAME_SITE_H

#include <string>

namespace live {

/* True when the Host header names this port on 127.0.0.1 or localhost, the
 * Origin header ("" when absent, as a browser leaves it for a page's own
 * GET) names the same, and the browser's Sec-Fetch-Site ("" when absent)
 * does not say another page asked: a page of another site, or of another
 * port, sends no Origin with a GET its image or link makes. */
bool SameSite(const std::string& host, const std::string& origin, const std::string& fetchSite, int port);

}  // namespace live

#endif
