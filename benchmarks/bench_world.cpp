#include "bench_world.h"

#include <cmath>
#include <fstream>

namespace bench {

BenchWorld::BenchWorld(bool withModule) : root_(withModule ? "collision" : "")
{
    std::ofstream(root_ / "config/vessels/Station.cfg") << "ClassName = Station\nSize = 5\nMass = 1e9\n";
    host_ = std::make_unique<emu::Host>(root_.path());
    host_->world().addBody(emu::Body());
    if (withModule)
        module_ = host_->loadPlugin("plugin\\brimstar!");
}

OBJHANDLE BenchWorld::add(const std::string& name, const std::string& className, const VECTOR3& pos)
{
    return host_->createVesselAt(name, className, pos);
}

void BenchWorld::fill(int count, const std::string& prefix, const std::string& className, const VECTOR3& centre,
                      double spacing)
{
    int side = int(std::ceil(std::cbrt(double(count))));
    double offset = (side - 1) * spacing / 2;
    for (int i = 0; i < count; ++i) {
        VECTOR3 pos{centre.x + (i % side) * spacing - offset, centre.y + (i / side % side) * spacing - offset,
                    centre.z + (i / side / side) * spacing - offset};
        add(prefix + std::to_string(i), className, pos);
    }
}

}  // namespace bench
