#include "attached_lifetime.h"

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
