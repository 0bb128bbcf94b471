/* The page's HTML, CSS and script, as the files under page/ hold them:
 * turned into strings when the runner is built. */
#ifndef BRIMSTAR_RUNNER_REPORT_PAGE_ASSETS_H
#define BRIMSTAR_RUNNER_REPORT_PAGE_ASSETS_H

namespace report {

extern const char* const pageHtml;
extern const char* const pageCss;
extern const char* const pageJs;
/* Shared with the live page, which serves them as files of their own. */
extern const char* const flightDrawingJs;
extern const char* const flightViewsJs;

}  // namespace report

#endif
