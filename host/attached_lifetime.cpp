#include "attached_lifetime.h"

#include <type_traits>
#include <vector>

// The point of the holder: nothing for the platform to destroy on its own.
static_assert(std::is_trivially_destructible<Attached<std::vector<int>>>::value, "a holder has no destructor");

namespace {

AttachedObject* firstMade = nullptr;

}  // namespace

void AttachedObject::made(void (*end)(AttachedObject&))
{
    end_ = end;
    next_ = firstMade;
    firstMade = this;
}

void AttachedObject::EndAll()
{
    while (AttachedObject* object = firstMade) {
        firstMade = object->next_;
        object->end_(*object);
    }
}
