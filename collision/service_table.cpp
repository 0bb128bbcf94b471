#include "service_table.h"

void* serviceTable[SERVICE_TABLE_SIZE];

void FillServiceTable()
{
}
