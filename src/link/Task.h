#pragma once
// Multi-step operations are coroutines on the user-interface thread: they send frames and
// co_await reports from the unit without ever blocking or nesting an event loop. Destroying
// a Task cancels it: the wait it is suspended in unregisters itself.

#include <coroutine>
#include <exception>
#include <functional>
#include <utility>

namespace norva {

class Task {
  public:
    struct promise_type {
        Task get_return_object() {
            return Task(std::coroutine_handle<promise_type>::from_promise(*this));
        }
        // Eager: the operation runs up to its first wait inside the call that starts it.
        std::suspend_never initial_suspend() noexcept { return {}; }
        // At the end, an operation that awaits this one goes on.
        struct Finish {
            bool await_ready() const noexcept { return false; }
            std::coroutine_handle<> await_suspend(
                std::coroutine_handle<promise_type> self) const noexcept {
                auto next = self.promise().continuation;
                return next ? next : std::noop_coroutine();
            }
            void await_resume() const noexcept {}
        };
        Finish final_suspend() noexcept { return {}; }
        void return_void() {}
        void unhandled_exception() { std::terminate(); }

        std::coroutine_handle<> continuation;
    };

    friend struct TaskAwaiter;

    Task() = default;
    Task(Task&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
    Task& operator=(Task&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, {});
        }
        return *this;
    }
    Task(const Task&) = delete;
    Task& operator=(const Task&) = delete;
    ~Task() { reset(); }

    bool done() const { return !handle_ || handle_.done(); }

  private:
    explicit Task(std::coroutine_handle<promise_type> handle) : handle_(handle) {}
    void reset() {
        if (handle_) handle_.destroy();
        handle_ = {};
    }

    std::coroutine_handle<promise_type> handle_;
};

// `co_await step(...)` runs one operation inside another; destroying the outer task destroys
// the inner one with it.
struct TaskAwaiter {
    Task task;
    bool await_ready() const noexcept { return task.done(); }
    void await_suspend(std::coroutine_handle<> outer) noexcept {
        task.handle_.promise().continuation = outer;
    }
    void await_resume() const noexcept {}
};
inline TaskAwaiter operator co_await(Task&& task) noexcept {
    return TaskAwaiter{std::move(task)};
}

// Only one multi-step operation may talk to the unit at a time; a second one is refused.
class OperationSlot {
  public:
    // Starts the operation unless another is still running; false means refused. `make` must
    // call a coroutine function, not be a capturing coroutine lambda itself: its captures die
    // when start() returns, while a coroutine's parameters live in its frame.
    bool start(const std::function<Task()>& make) {
        if (busy()) return false;
        task_ = Task();  // a finished one is released here
        starting_ = true;
        Task started = make();
        starting_ = false;
        task_ = std::move(started);
        return true;
    }
    bool busy() const { return starting_ || !task_.done(); }
    // Cancels the running operation. Never call it from inside that operation.
    void cancel() { task_ = Task(); }

  private:
    Task task_;
    bool starting_ = false;  // the new operation runs its first steps inside start()
};

}  // namespace norva
