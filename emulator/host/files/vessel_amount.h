/* A vessel's size or mass, whoever gives it (a class file, a host scenario,
 * a module's call): a positive number, finite and not so small that it
 * loses precision (denormal), as the class files have always required. A
 * size of zero would take no contacts and a mass of zero would make every
 * force an infinite acceleration. */
#ifndef BRIMSTAR_EMULATOR_HOST_VESSEL_AMOUNT_H
#define BRIMSTAR_EMULATOR_HOST_VESSEL_AMOUNT_H

namespace emu {

bool IsVesselAmount(double value);

}  // namespace emu

#endif
