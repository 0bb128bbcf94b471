#include "rock_spawner.h"

void RockSpawnerStep(double)
{
}
