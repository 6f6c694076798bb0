#pragma once

#include <cstddef>
#include <memory>

namespace platform {

namespace detail {

// The bookkeeping of Lasting: an intrusive list of the values made, newest
// first, so that nothing in it needs a destructor either.
class LastingBase {
public:
    LastingBase(const LastingBase &) = delete;
    LastingBase &operator=(const LastingBase &) = delete;

protected:
    using Destroyer = void (*)(LastingBase &);
    constexpr explicit LastingBase(Destroyer destroy) : destroy_(destroy) {}
    ~LastingBase() = default;

    void Made(); // joins the list

private:
    friend void ReleaseLasting();

    Destroyer destroy_;
    LastingBase *next_ = nullptr;
};

// Destroys every value made, newest first. The Runtime calls it as it ends,
// before Qt goes; a value used again afterwards is made afresh.
void ReleaseLasting();

} // namespace detail

// A process-wide value (a cache, a registry) that no static destructor ever
// touches: it is made on first use and destroyed only when the Runtime ends
// normally, while Qt is still there. A program that ends through exit()
// (Qt's own answer to a lost display) then leaves Qt's objects alone, as
// Qt expects. Without a Runtime, as in tests that make their own
// QApplication, the value lasts until the process ends.
//
// Use it for a variable of static storage only:
//     constinit Lasting<std::vector<Thing>> g_things;   or a function's static
template <class T>
class Lasting : detail::LastingBase {
public:
    constexpr Lasting() : LastingBase(&Destroy) {}

    T &Get()
    {
        if (!value_) {
            value_ = std::construct_at(reinterpret_cast<T *>(storage_));
            Made();
        }
        return *value_;
    }
    T &operator*() { return Get(); }
    T *operator->() { return &Get(); }

private:
    static void Destroy(LastingBase &base)
    {
        auto &self = static_cast<Lasting &>(base);
        std::destroy_at(self.value_);
        self.value_ = nullptr;
    }

    alignas(T) std::byte storage_[sizeof(T)]{};
    T *value_ = nullptr;
};

} // namespace platform
