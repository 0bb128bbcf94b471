#include "report_page.h"

#include "json_writer.h"
#include "page_assets.h"

#include <string>

namespace report {

void WritePage(std::ostream& out, const FlightRecord& record)
{
    // The page's own files and the data, each in its place in the template,
    // in the template's order.
    const std::string page = pageHtml;
    const std::pair<const char*, const char*> parts[] = {
        {"<!--style-->", pageCss}, {"<!--data-->", nullptr}, {"<!--drawing-->", flightDrawingJs},
        {"<!--views-->", flightViewsJs}, {"<!--script-->", pageJs}};
    size_t from = 0;
    for (const auto& [marker, text] : parts) {
        size_t at = page.find(marker, from);
        if (at == std::string::npos)
            break;
        out << page.substr(from, at - from);
        if (text)
            out << text;
        else
            WriteRecordJson(out, record);
        from = at + std::string(marker).size();
    }
    out << page.substr(from);
}

}  // namespace report
