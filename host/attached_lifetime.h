/* An object that lives while the library is attached: made on first use,
 * destroyed by the library's detach, after its exit entry point has run.
 *
 * A global of its own would not do: when the process ends without the
 * library being freed, some platforms destroy a library's globals before
 * they run its detach, and the detach still closes displays and deletes
 * vessels that use these objects. The holder itself has nothing to destroy,
 * so no platform can take it away early. */
#ifndef BRIMSTAR_HOST_ATTACHED_LIFETIME_H
#define BRIMSTAR_HOST_ATTACHED_LIFETIME_H

#include <new>

class AttachedObject {
public:
    /* Destroys every object made since the attach. */
    static void EndAll();

protected:
    void made(void (*end)(AttachedObject&));

private:
    AttachedObject* next_ = nullptr;
    void (*end_)(AttachedObject&) = nullptr;
};

template <typename T>
class Attached : public AttachedObject {
public:
    constexpr Attached() = default;
    T& operator*()
    {
        if (!object_) {
            object_ = new (storage_) T();
            made(&End);
        }
        return *object_;
    }
    T* operator->() { return &**this; }

private:
    static void End(AttachedObject& base)
    {
        auto& self = static_cast<Attached&>(base);
        self.object_->~T();
        self.object_ = nullptr;
    }

    alignas(T) unsigned char storage_[sizeof(T)] = {};
    T* object_ = nullptr;
};

#endif
