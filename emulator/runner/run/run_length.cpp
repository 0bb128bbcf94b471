#include "emulator/runner/run/run_length.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace runner {

const std::uint64_t defaultMaxSteps = 10000000;

namespace {

std::string Seconds(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%g s", value);
    return text;
}

}  // namespace

double RunEnd(const Script& script)
{
    return std::max(script.duration, script.actions.empty() ? 0.0 : script.actions.back().time);
}

double StepsToReach(double from, double to, double step)
{
    if (!(from + step / 2 < to))
        return 0;
    return std::ceil((to - from) / step - 0.5);
}

std::string StepProblem(double from, double to, double step)
{
    if (StepsToReach(from, to, step) == 0)
        return "";
    // Rounding is coarsest where the clock is largest, at one end of the way.
    double widest = std::max(std::fabs(from), std::fabs(to));
    if (widest + step == widest)
        return "a step of " + Seconds(step) + " cannot move the clock at " + Seconds(widest) +
               " (the time plus the step rounds back to the time)";
    if (!std::isfinite(to + step))
        return "a step of " + Seconds(step) + " would drive the clock past " + Seconds(to) + " to infinity";
    return "";
}

std::string StepCountProblem(double from, double to, double step, std::uint64_t taken, std::uint64_t maxSteps)
{
    double steps = StepsToReach(from, to, step);
    if (double(taken) + steps <= double(maxSteps))
        return "";
    char text[200];
    std::snprintf(text, sizeof text,
                  "reaching %g s from %g s takes %.6g steps of %g s, more than the %llu allowed "
                  "(--max-steps N allows more)",
                  to, from, steps, step, static_cast<unsigned long long>(maxSteps - std::min(taken, maxSteps)));
    return text;
}

bool CheckRunLength(const Script& script, std::uint64_t maxSteps, std::string& error)
{
    double end = script.duration;
    int endLine = script.runLine;
    if (!script.actions.empty() && script.actions.back().time > end) {
        end = script.actions.back().time;
        endLine = script.actions.back().line;
    }
    auto fail = [&](int line, const std::string& why) {
        error = script.file + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + why;
        return false;
    };
    if (std::string why = StepProblem(0, end, script.step); !why.empty())
        return fail(script.stepLine > 0 ? script.stepLine : endLine, why);
    if (std::string why = StepCountProblem(0, end, script.step, 0, maxSteps); !why.empty())
        return fail(endLine, why);
    return true;
}

}  // namespace runner
