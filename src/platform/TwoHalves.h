#pragma once
// Work over a large range split in two, the second half on a thread of its own, for the
// passes that only read the collection while the window's thread waits (saving, snapshots).
#include <QtGlobal>
#include <system_error>
#include <thread>

namespace vinaxo {

// Where a range of n is split; n when it is too small to be worth a thread.
inline qsizetype splitPoint(qsizetype n)
{
    return n >= 2048 && std::thread::hardware_concurrency() > 1 ? n / 2 : n;
}

// work(from, to) over [0, half) here and [half, n) on another thread meanwhile; both here
// when no thread can be had.
template <class F>
void inTwoHalves(qsizetype half, qsizetype n, const F& work)
{
    std::thread other;
    if (half < n) {
        try {
            other = std::thread([&work, half, n] { work(half, n); });
        } catch (const std::system_error&) {
            work(half, n);
        }
    }
    work(0, half);
    if (other.joinable())
        other.join();
}

} // namespace vinaxo
