/* Worlds to measure in: an emulated host in a root folder of its own, with
 * or without the module loaded, filled with vessels laid out on a grid. */
#ifndef BRIMSTAR_BENCHMARKS_BENCH_WORLD_H
#define BRIMSTAR_BENCHMARKS_BENCH_WORLD_H

#include "support/emulated_root.h"

#include "emulator/host/host.h"

#include <memory>
#include <string>

namespace bench {

class BenchWorld {
public:
    explicit BenchWorld(bool withModule);

    emu::Host& host() { return *host_; }
    emu::ModuleInstance* module() { return module_; }

    /* A vessel of the class, relative to the planet. */
    OBJHANDLE add(const std::string& name, const std::string& className, const VECTOR3& pos);

    /* count vessels of the class on a cubic grid of the spacing, centred on
     * the point. */
    void fill(int count, const std::string& prefix, const std::string& className, const VECTOR3& centre,
              double spacing);

private:
    testing_support::EmulatedRoot root_;
    std::unique_ptr<emu::Host> host_;
    emu::ModuleInstance* module_ = nullptr;
};

}  // namespace bench

#endif
