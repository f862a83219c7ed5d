#pragma once
// Work that would keep the user-interface thread from its events (reading a large logbook,
// taking a download into it) is awaited off that thread: the work runs on a thread of its own,
// and the operation that awaits it goes on on the interface thread with its result. The work
// must touch nothing the interface thread uses (a logbook opens its own connection there).
// Destroying the awaiting operation meanwhile is safe: the work ends, its result is dropped.

#include <QCoreApplication>
#include <QThread>
#include <coroutine>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>

namespace norva {

template <typename F>
auto OffThread(F work) {
    using R = std::invoke_result_t<F>;
    struct State {
        std::optional<R> result;
        std::coroutine_handle<> waiting;
        bool awaited = true;  // false once the awaiting operation is gone
    };
    struct Awaiter {
        F work;
        std::shared_ptr<State> state = std::make_shared<State>();
        Awaiter(F w) : work(std::move(w)) {}
        Awaiter(Awaiter&&) = default;
        ~Awaiter() {
            if (state) state->awaited = false;
        }
        bool await_ready() const noexcept { return false; }
        void await_suspend(std::coroutine_handle<> handle) {
            state->waiting = handle;
            QThread* thread = QThread::create(
                [s = state, w = std::move(work)]() mutable { s->result.emplace(w()); });
            // Back on the interface thread, in its event loop, once the work is done.
            QObject::connect(
                thread, &QThread::finished, QCoreApplication::instance(),
                [s = state, thread] {
                    thread->deleteLater();
                    if (s->awaited) s->waiting.resume();
                },
                Qt::QueuedConnection);
            // A program that quits meanwhile lets the work end first: a download's import
            // lands instead of going with the process, and no thread outlives the program.
            QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, thread,
                             [thread] { thread->wait(); });
            thread->start();
        }
        R await_resume() { return std::move(*state->result); }
    };
    return Awaiter(std::move(work));
}

}  // namespace norva
