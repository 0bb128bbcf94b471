/* The live page's HTML, CSS and script, as the files under page/ hold them:
 * turned into strings when the runner is built. */
#ifndef BRIMSTAR_RUNNER_LIVE_LIVE_PAGE_ASSETS_H
#define BRIMSTAR_RUNNER_LIVE_LIVE_PAGE_ASSETS_H

namespace live {

extern const char* const livePageHtml;
extern const char* const livePageCss;
extern const char* const livePageJs;
extern const char* const liveWorldJs;

}  // namespace live

#endif
