#include "platform/simulated/module_thread.h"

#include <dlfcn.h>
#include <pthread.h>

#include <condition_variable>
#include <mutex>
#include <new>

namespace zt::platform::simulated {
namespace {

struct ThreadStart {
    WorkerEntry entry;
    void* argument;
    void* module; // the dlopen() reference the thread holds; null for none
};

// The count of running threads, under its lock. Never destroyed, as the
// system is not: a detached thread may still be on its way out when the
// process ends and destroys its statics.
struct Running {
    std::mutex mutex;
    std::condition_variable changed;
    int count = 0;
};

Running& running()
{
    // Made in storage of its own, so that making it allocates nothing.
    alignas(Running) static unsigned char storage[sizeof(Running)];
    static Running* const all = new (storage) Running;
    return *all;
}

// A reference on the shared object that contains `address`. dlopen() with
// RTLD_NOLOAD finds every loaded shared object by the name dladdr() gives; it
// fails only for the main program, which needs no reference.
void* module_reference(const void* address)
{
    Dl_info info{};
    if (dladdr(address, &info) == 0 || info.dli_fname == nullptr) {
        return nullptr;
    }
    return dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD);
}

void* thread_main(void* start_record) noexcept
{
    const ThreadStart start = *static_cast<ThreadStart*>(start_record);
    delete static_cast<ThreadStart*>(start_record);
    start.entry(start.argument);
    if (start.module != nullptr) {
        dlclose(start.module);
    }
    Running& threads = running();
    const std::lock_guard lock(threads.mutex);
    --threads.count;
    threads.changed.notify_all();
    return nullptr;
}

} // namespace

bool start_module_thread(WorkerEntry entry, void* argument) noexcept
{
    void* module = module_reference(reinterpret_cast<const void*>(entry));
    auto* start = new (std::nothrow) ThreadStart{entry, argument, module};
    pthread_attr_t attributes;
    bool started = false;
    if (start != nullptr && pthread_attr_init(&attributes) == 0) {
        pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
        Running& threads = running();
        std::unique_lock lock(threads.mutex);
        pthread_t thread;
        started = pthread_create(&thread, &attributes, thread_main, start) == 0;
        threads.count += started ? 1 : 0;
        lock.unlock();
        pthread_attr_destroy(&attributes);
    }
    if (!started) {
        delete start;
        if (module != nullptr) {
            dlclose(module);
        }
    }
    return started;
}

bool wait_for_module_threads(std::chrono::milliseconds timeout) noexcept
{
    Running& threads = running();
    std::unique_lock lock(threads.mutex);
    return threads.changed.wait_for(lock, timeout, [&] { return threads.count == 0; });
}

} // namespace zt::platform::simulated
