#pragma once

#include <exception>
#include <system_error>
#include <thread>

// Runs share(1) on a helper thread and share(0) on this one, and returns once
// both have ended. With one processor, or no thread to be had, this thread
// runs both shares in turn. What a share throws comes out here, once both
// have ended.
template<typename Share>
void runOnTwoThreads(Share share)
{
    std::exception_ptr helperFailure;
    std::thread helper;
    if (std::thread::hardware_concurrency() > 1) {
        try {
            helper = std::thread([&] {
                try {
                    share(1);
                } catch (...) {
                    helperFailure = std::current_exception();
                }
            });
        } catch (const std::system_error &) {
        }
    }
    try {
        share(0);
    } catch (...) {
        if (helper.joinable())
            helper.join();
        throw;
    }
    if (helper.joinable())
        helper.join();
    else
        share(1);
    if (helperFailure)
        std::rethrow_exception(helperFailure);
}

// Runs work(begin, end) over either half of the positions 0 … count − 1, the
// halves on two threads.
template<typename Size, typename Work>
void runHalvesOnTwoThreads(Size count, Work work)
{
    runOnTwoThreads([&](int share) {
        const Size half = count / 2;
        if (share == 0)
            work(Size(0), half);
        else
            work(half, count);
    });
}
