/* The page's HTML, CSS and script, as the files under page/ hold them:
 * turned into strings when the runner is built. */
#ifndef BRIMSTAR_RUNNER_REPORT_PAGE_ASSETS_H
#define BRIMSTAR_RUNNER_REPORT_PAGE_ASSETS_H

namespace report {

extern const char* const pageHtml;
extern const char* const pageCss;
extern const char* const pageJs;

}  // namespace report

#endif
