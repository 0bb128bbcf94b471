/* brimstar-sim: runs the module in the emulated host on a scenario and
 * prints what it did.
 *
 *   brimstar-sim [SCENARIO] [--root DIR]
 *
 * Without a scenario it plays the bundled default one. The root folder is
 * the emulated simulator's; by default the one built beside this program.
 */
#include "script_player.h"

#include <filesystem>
#include <iostream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path ProgramDirectory()
{
    std::error_code error;
    fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::current_path() : self.parent_path();
}

int Usage(const char* problem)
{
    std::cerr << "brimstar-sim: " << problem << "\nusage: brimstar-sim [SCENARIO] [--root DIR]\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    fs::path root = ProgramDirectory() / ".." / "root";
    fs::path scenario = fs::path(BRIMSTAR_SOURCE_DIR) / "examples" / "default.scn";
    bool scenarioGiven = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--root") {
            if (++i == argc)
                return Usage("--root needs a folder");
            root = argv[i];
        } else if (!arg.empty() && arg[0] == '-') {
            return Usage(("unknown option " + arg).c_str());
        } else if (scenarioGiven) {
            return Usage("more than one scenario");
        } else {
            scenario = fs::absolute(arg);
            scenarioGiven = true;
        }
    }

    runner::Script script;
    std::string error;
    if (!runner::ReadScript(scenario.string(), script, error)) {
        std::cerr << "brimstar-sim: " << error << '\n';
        return 1;
    }
    if (!fs::is_directory(root / "modules")) {
        std::cerr << "brimstar-sim: " << root.string() << " is not an emulated host's root folder (no modules)\n";
        return 1;
    }

    std::cout << "brimstar-sim: " << scenario.string() << " in " << fs::canonical(root).string() << "\n\n";
    emu::Host host(root);
    runner::FlightLog log(host, std::cout);
    host.setObserver(&log);
    bool played = runner::PlayScript(host, script, log, error);
    host.setObserver(nullptr);
    host.shutdown();
    if (!played) {
        std::cerr << "brimstar-sim: " << error << '\n';
        return 1;
    }
    return 0;
}
