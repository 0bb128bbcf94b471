#include "live_server.h"

#include "emulator/runner/live/http/bounded_server.h"
#include "live_page_assets.h"
#include "emulator/runner/live/http/same_site.h"

#include "emulator/runner/text/printable_text.h"
#include "emulator/runner/report/json_writer.h"
#include "emulator/runner/report/page_assets.h"

#include <httplib.h>

#include <thread>

namespace live {

namespace {

const auto streamInterval = std::chrono::milliseconds(100);

void Refuse(httplib::Response& response, int status, const std::string& why)
{
    response.status = status;
    response.set_content(runner::Printable(why) + "\n", "text/plain; charset=utf-8");
}

/* Whether the request's body, by its length or in chunks, may be longer
 * than an action's: the length is read as decimal digits, and one with more
 * digits than the limit has is too long whatever they say. */
bool MayBeTooLong(const httplib::Request& request)
{
    if (request.has_header("Transfer-Encoding"))
        return false;  // counted as it is read
    const std::string length = request.get_header_value("Content-Length");
    if (length.size() > std::to_string(largestRequest).size())
        return true;
    size_t value = 0;
    for (char c : length) {
        if (c < '0' || c > '9')
            return true;
        value = value * 10 + size_t(c - '0');
    }
    return value > largestRequest;
}

bool HasBody(const httplib::Request& request)
{
    const std::string length = request.get_header_value("Content-Length");
    return request.has_header("Transfer-Encoding") || (!length.empty() && length != "0");
}

const std::string tooLong = "a request is at most " + std::to_string(largestRequest) + " bytes";

}  // namespace

LiveServer::LiveServer() : server_(std::make_unique<BoundedServer>())
{
    httplib::Server& s = *server_;
    s.set_payload_max_length(largestRequest);
    s.set_pre_routing_handler([this](const httplib::Request& request, httplib::Response& response) {
        if (!SameSite(request.get_header_value("Host"), request.get_header_value("Origin"),
                      request.get_header_value("Sec-Fetch-Site"), port_))
            Refuse(response, 403, "only a page of this server, on 127.0.0.1 or localhost, may ask");
        else if (HasBody(request) && (request.method != "POST" || request.path != "/action"))
            Refuse(response, 413, "only an action has a body");
        else if (MayBeTooLong(request))
            Refuse(response, 413, tooLong);
        else
            return httplib::Server::HandlerResponse::Unhandled;
        return httplib::Server::HandlerResponse::Handled;
    });
    // What the library refuses by itself (a body over the limit, a path it
    // does not serve) is said in words too.
    s.set_error_handler([](const httplib::Request&, httplib::Response& response) {
        if (!response.body.empty())
            return;
        if (response.status == 413)
            return Refuse(response, 413, tooLong);
        Refuse(response, response.status, response.status == 404 ? "no such page" : "refused");
    });
    const std::pair<const char*, std::pair<const char*, const char*>> files[] = {
        {"/", {livePageHtml, "text/html; charset=utf-8"}},
        {"/live.css", {livePageCss, "text/css; charset=utf-8"}},
        {"/live.js", {livePageJs, "text/javascript; charset=utf-8"}},
        {"/live_world.js", {liveWorldJs, "text/javascript; charset=utf-8"}},
        // the flight report's views, drawn here from the live record
        {"/flight_drawing.js", {report::flightDrawingJs, "text/javascript; charset=utf-8"}},
        {"/flight_views.js", {report::flightViewsJs, "text/javascript; charset=utf-8"}}};
    for (const auto& [path, file] : files) {
        const auto [text, type] = file;
        s.Get(path, [text = text, type = type](const httplib::Request&, httplib::Response& response) {
            response.set_content(text, type);
        });
    }
    // The state as it is published, as server-sent events; a comment now
    // and then finds a page that has gone.
    s.Get("/events", [this](const httplib::Request&, httplib::Response& response) {
        if (++streams_ > mostStreams) {
            --streams_;
            return Refuse(response, 503, "too many pages are watching; close one");
        }
        response.set_header("Cache-Control", "no-store");
        unsigned long long seen = 0;
        response.set_chunked_content_provider(
            "text/event-stream",
            [this, seen](size_t, httplib::DataSink& sink) mutable {
                // Ten states a second are enough to watch, and leave a busy
                // page time to draw.
                std::this_thread::sleep_for(streamInterval);
                if (stopping_)
                    return false;
                std::string state;
                std::string event = session_->nextState(seen, std::chrono::milliseconds(500), state)
                                        ? "data: " + state + "\n\n"
                                        : ":\n\n";
                return sink.write(event.data(), event.size());
            },
            [this](bool) { --streams_; });
    });
    s.Get("/scenario", [this](const httplib::Request&, httplib::Response& response) {
        response.set_header("Content-Disposition", "attachment; filename=\"live.scn\"");
        response.set_content(session_->scenario(), "text/plain; charset=utf-8");
    });
    // The page's search of the saved scenarios: the folder as it is now.
    s.Get("/scenarios", [this](const httplib::Request& request, httplib::Response& response) {
        const std::string match = request.get_param_value("match");
        if (match.size() > longestScenarioName)
            return Refuse(response, 400, "a scenario's name is at most " + std::to_string(longestScenarioName) +
                                             " characters");
        const SavedList found = session_->savedScenarios(match);
        std::string json = "{\"count\":" + std::to_string(found.count) + ",\"names\":[";
        const char* comma = "";
        for (const std::string& name : found.names) {
            json += comma + report::JsonString(name);
            comma = ",";
        }
        response.set_header("Cache-Control", "no-store");
        response.set_content(json + "]}", "application/json");
    });
    // Read in a tab of its own; ?download for the file.
    s.Get("/report", [this](const httplib::Request& request, httplib::Response& response) {
        std::string page = session_->flightReport(std::chrono::seconds(30));
        if (page.empty())
            return Refuse(response, 503, "the simulation did not make the report in time");
        if (request.has_param("download"))
            response.set_header("Content-Disposition", "attachment; filename=\"live-report.html\"");
        response.set_content(page, "text/html; charset=utf-8");
    });
    // The body is read here, as it comes, and no further than the limit:
    // a chunked one has no length to refuse it by beforehand.
    s.Post("/action", [this](const httplib::Request&, httplib::Response& response,
                             const httplib::ContentReader& read) {
        std::string body;
        bool longer = false;
        read([&](const char* data, size_t length) {
            longer = body.size() + length > largestRequest;
            if (!longer)
                body.append(data, length);
            return !longer;
        });
        if (longer)
            return Refuse(response, 413, tooLong);
        LiveCommand command;
        std::string error;
        if (!DecodeRequest(body, session_->known(), command, error))
            return Refuse(response, 400, error);
        if (!session_->submit(command))
            return Refuse(response, 429, "too many actions are waiting for the world; try again");
        response.set_content("queued\n", "text/plain");
    });
}

LiveServer::~LiveServer() = default;

int LiveServer::bind(int port)
{
    port_ = server_->bindLoopback(port);
    return port_;
}

void LiveServer::serve(LiveSession& session)
{
    session_ = &session;
    server_->listen_after_bind();
}

void LiveServer::stop()
{
    stopping_ = true;
    server_->stopAll();
}

}  // namespace live
