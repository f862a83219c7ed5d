#pragma once
// Multi-step operations are coroutines on the user-interface thread: they send frames, await
// reports from the unit and answers from the user, without ever blocking or nesting an event
// loop. A Task is lazy: it runs when it is awaited, or when whoever owns it starts it
// (RunningOperation::start takes the task itself, so an operation is made and handed over in
// one expression, and no lambda's captures have to outlive it). Destroying a Task destroys its
// coroutine: the wait it is suspended in unregisters itself, and a task it awaits is destroyed
// with it.
//
// Ours, not a library's: of what this Debian packages, Boost.Coroutine is stackful and asio's
// awaitable runs on asio's own executor, cppcoro is not packaged and Qt 6.4 has no coroutines;
// none is a lazy C++20 task resumed from the Qt event loop, and this one is the hundred lines
// the operations need.
//
// Built with Clang: GCC 12 destroys some temporaries of a co_await expression twice and loses
// the frame of a co_await inside a condition (tests/base/TaskTest.cpp shows both).

#include <coroutine>
#include <exception>
#include <optional>
#include <type_traits>
#include <utility>

namespace norva {

template <typename T = void>
class Task;

namespace detail {

struct PromiseBase {
    // Lazy: nothing runs until the task is awaited or started.
    std::suspend_always initial_suspend() noexcept { return {}; }
    // At the end, the operation that awaits this one goes on.
    struct Finish {
        bool await_ready() const noexcept { return false; }
        template <typename P>
        std::coroutine_handle<> await_suspend(std::coroutine_handle<P> self) const noexcept {
            auto next = self.promise().continuation;
            return next ? next : std::noop_coroutine();
        }
        void await_resume() const noexcept {}
    };
    Finish final_suspend() noexcept { return {}; }
    // The program has no exceptions between its parts.
    void unhandled_exception() { std::terminate(); }

    std::coroutine_handle<> continuation;
};

template <typename T>
struct Promise : PromiseBase {
    Task<T> get_return_object();
    template <typename U>
    void return_value(U&& value) {
        result.emplace(std::forward<U>(value));
    }
    std::optional<T> result;
};

template <>
struct Promise<void> : PromiseBase {
    Task<void> get_return_object();
    void return_void() {}
};

}  // namespace detail

template <typename T>
class Task {
  public:
    using promise_type = detail::Promise<T>;

    Task() = default;
    Task(Task&& other) noexcept
        : handle_(std::exchange(other.handle_, {})),
          started_(std::exchange(other.started_, false)) {}
    Task& operator=(Task&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, {});
            started_ = std::exchange(other.started_, false);
        }
        return *this;
    }
    Task(const Task&) = delete;
    Task& operator=(const Task&) = delete;
    ~Task() { reset(); }

    bool done() const { return !handle_ || handle_.done(); }
    // Runs the task up to its first wait, once; for a task that nobody awaits.
    void start() {
        if (!handle_ || started_) return;
        started_ = true;
        handle_.resume();
    }
    // The same in one expression: `task_ = AskAndOpen(...).started();`.
    Task&& started() && {
        start();
        return std::move(*this);
    }
    // The value of a finished task that returns one; empty before it finishes.
    template <typename U = T>
    requires(!std::is_void_v<U>) const std::optional<U>& result() const {
        static const std::optional<U> none;
        return handle_ ? handle_.promise().result : none;
    }

    // `co_await step(...)` runs one operation inside another and gives its value.
    struct Awaiter {
        Task task;
        bool await_ready() const noexcept { return task.done(); }
        std::coroutine_handle<> await_suspend(std::coroutine_handle<> outer) noexcept {
            task.handle_.promise().continuation = outer;
            if (task.started_) return std::noop_coroutine();  // it resumes `outer` when done
            task.started_ = true;
            return task.handle_;  // runs it now, on this thread
        }
        T await_resume() {
            if constexpr (!std::is_void_v<T>) return std::move(*task.handle_.promise().result);
        }
    };
    friend Awaiter operator co_await(Task&& task) noexcept { return Awaiter{std::move(task)}; }

  private:
    friend struct detail::Promise<T>;
    explicit Task(std::coroutine_handle<promise_type> handle) : handle_(handle) {}
    void reset() {
        if (handle_) handle_.destroy();
        handle_ = {};
        started_ = false;
    }

    std::coroutine_handle<promise_type> handle_;
    bool started_ = false;
};

namespace detail {
template <typename T>
Task<T> Promise<T>::get_return_object() {
    return Task<T>(std::coroutine_handle<Promise<T>>::from_promise(*this));
}
inline Task<void> Promise<void>::get_return_object() {
    return Task<void>(std::coroutine_handle<Promise<void>>::from_promise(*this));
}
}  // namespace detail

}  // namespace norva
